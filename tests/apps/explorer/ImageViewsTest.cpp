#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/ImageDiffViewInterface.h"
#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "apps/explorer/ImageViewActions.h"
#include "apps/explorer/PropertyPanel.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/host/imagesupport/ImageFiles.h"
#include "tests/support/QtMessageGuard.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

namespace
{

/// The share of pixels that are neither the white background nor a grey placeholder.
double pictureShare(const QImage& image)
{
  int coloured = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
    {
      const QColor colour = image.pixelColor(x, y);
      if (colour.saturation() > 40)
        ++coloured;
    }
  return double(coloured) / double((image.width() / 2) * (image.height() / 2));
}

} // namespace

TEST(ExplorerImageViews, BatchExportWritesPicturesOfTheImageViewsWithTheirThumbnails)
{
  QTemporaryDir dir;
  const QString folder = QDir(dir.path()).filePath("export");
  QProcess process;
  process.start(QStringLiteral(EXPLORER_PATH),
    { "--sample",
      "--add",
      "images",
      "--add",
      "selected-images",
      "--select",
      "1-6",
      "--export",
      folder,
      "--size",
      "900x700" });
  ASSERT_TRUE(process.waitForFinished(180000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

  const QImage matrix(QDir(folder).filePath("images.png"));
  const QImage selected(QDir(folder).filePath("selected-images.png"));
  ASSERT_FALSE(matrix.isNull());
  ASSERT_FALSE(selected.isNull());
  // The sample's beams are drawn in colour; placeholders and background are grey and white.
  EXPECT_GT(pictureShare(matrix), 0.05);
  EXPECT_GT(pictureShare(selected), 0.01);
}

TEST(ExplorerImageViews, PropertiesPanelOffersTheLayoutAndTheTagsToShow)
{
  ImageFiles files;
  loadImageProject(files);
  UndoStack::clear();
  auto selection = boost::make_shared<SelectionModel>();
  auto pipeline = boost::make_shared<DataPipelineManager>(selection);
  auto manager = boost::make_shared<DataViewManager>(pipeline, nullptr, selection);
  const auto view = manager->addImageView();

  PropertyPanel panel;
  panel.showView(view);
  EXPECT_EQ(panel.rowCount(), 11);
  QList<QListWidget*> lists = panel.findChildren<QListWidget*>();
  QListWidget* tags = nullptr;
  for (QListWidget* list : lists)
    if (!list->findItems("rejected", Qt::MatchExactly).isEmpty())
      tags = list;
  ASSERT_TRUE(tags);
  tags->findItems("rejected", Qt::MatchExactly).front()->setCheckState(Qt::Checked);
  EXPECT_EQ(view->properties()->tagsToShow()->value(),
    (std::vector<std::string>{ "approved", "rejected" }));
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Change Tags To Show");

  EXPECT_TRUE(ImageViewActions::isPictured("selected-images"));
  EXPECT_FALSE(ImageViewActions::isPictured("table"));
  UndoStack::clear();
}

TEST(ExplorerImageViews, CompareImagesAsksForTheReferenceAmongTheSelected)
{
  ImageFiles files;
  loadImageProject(files);
  UndoStack::clear();
  auto selection = boost::make_shared<SelectionModel>();
  auto pipeline = boost::make_shared<DataPipelineManager>(selection);
  auto manager = boost::make_shared<DataViewManager>(pipeline, nullptr, selection);
  const auto view = manager->addImageView();
  selection->setSelection({ 1, 4 });
  ASSERT_EQ(ImageViewActions::selectedImages(*view).size(), 3u);

  // Xvfb has no window manager to give the dialog focus.
  testsupport::ExpectedMessage noFocus("SetInputFocus");
  QString offered;
  QTimer::singleShot(0,
    [&]
    {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog);
      offered = dialog->comboBoxItems().join('|');
      dialog->setTextValue(dialog->comboBoxItems().at(1));
      dialog->accept();
    });
  ImageViewActions::compareSelectedImages(nullptr, *manager, *view);

  EXPECT_EQ(offered.count('|'), 2);
  ASSERT_EQ(manager->dataViews().size(), 2u);
  const auto difference =
    boost::dynamic_pointer_cast<ImageDiffViewInterface>(manager->dataViews().back());
  ASSERT_TRUE(difference);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Add Image Difference View");
  UndoStack::clear();
}
