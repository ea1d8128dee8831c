#include "apps/explorer/ImageViewActions.h"

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/ImageDiffViewInterface.h"
#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "analyzer/dataviews/SelectedImageViewInterface.h"
#include "host/core/ExceptionBase.h"
#include "host/project/AuxFile.h"
#include "host/viewsupport/DataViewVisitorAbstract.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "host/viewsupport/ThreadedImageLoader.h"

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

namespace ImageViewActions
{

namespace
{

class ImageViewReader : public DataViewVisitorAbstract
{
public:
  ImageViewReader()
    : DataViewVisitorAbstract(AcceptAnyView)
  {
  }

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<ImageMatrixViewInterface> view) override
  {
    images = view->selectedAuxFiles();
    properties = view->properties();
  }
  void visit(boost::shared_ptr<SelectedImageViewInterface> view) override
  {
    images = view->selectedAuxFiles();
    properties = view->properties();
  }
  void visit(boost::shared_ptr<ImageDiffViewInterface> view) override
  {
    images = view->selectedAuxFiles();
  }

  std::vector<AuxFilePtr> images;
  boost::shared_ptr<ImageMatrixViewProperties> properties;
};

QString fileNameOf(const AuxFilePtr& image)
{
  const auto auxFile = image.lock();
  return auxFile ? QFileInfo(QString::fromStdString(auxFile->filePath())).fileName() : QString();
}

} // namespace

std::vector<AuxFilePtr> selectedImages(DataViewInterface& view)
{
  ImageViewReader reader;
  view.accept(reader);
  return reader.images;
}

void compareSelectedImages(QWidget* parent,
  DataViewManagerInterface& manager,
  DataViewInterface& view)
{
  ImageViewReader reader;
  view.accept(reader);
  if (reader.images.size() < 2)
  {
    QMessageBox::information(parent,
      QStringLiteral("Compare Images"),
      QStringLiteral("Select two or more images in an image view to compare them."));
    return;
  }
  QStringList names;
  for (std::size_t i = 0; i < reader.images.size(); ++i)
    names << QStringLiteral("%1. %2").arg(i + 1).arg(fileNameOf(reader.images[i]));
  bool chosen = false;
  const QString reference = QInputDialog::getItem(parent,
    QStringLiteral("Compare Images"),
    QStringLiteral("Compare the other images with:"),
    names,
    0,
    false,
    &chosen);
  if (!chosen)
    return;
  const auto index = static_cast<std::size_t>(names.indexOf(reference));
  std::vector<AuxFilePtr> compared = reader.images;
  compared.erase(compared.begin() + static_cast<std::ptrdiff_t>(index));
  const bool labels = reader.properties && reader.properties->showLabels()->value();
  manager.addImageDiffView(reader.images[index],
    compared,
    labels,
    reader.properties ? reader.properties->variablesInLabel() : nullptr);
}

bool isPictured(const QString& kind)
{
  return kind == QLatin1String("images") || kind == QLatin1String("selected-images");
}

void writePicture(QWidget& container, ImageFileLoaderInterface& loader, const QString& path)
{
  // A hidden window lays its views out at a token size; the layout may shrink the container
  // again while events are processed, so it is sized before each grab.
  const auto sizeForPicture = [&container]
  {
    if (container.size().width() < 200 || container.size().height() < 150)
      container.resize(1000, 700);
  };
  // A paint asks for the thumbnails it shows and a later one shows them; resizing may bring
  // cells into view whose thumbnails were not asked for yet, hence a few rounds.
  for (int round = 0; round < 3; ++round)
  {
    sizeForPicture();
    QApplication::processEvents();
    sizeForPicture();
    container.grab();
    if (auto* threaded = dynamic_cast<ThreadedImageLoader*>(&loader))
      threaded->waitForIdle();
    QApplication::processEvents();
  }
  sizeForPicture();
  if (!container.grab().save(path, "PNG"))
    throw vantor::ExceptionBase(
      QStringLiteral("Cannot write the picture \"%1\".").arg(path).toStdString());
}

} // namespace ImageViewActions
