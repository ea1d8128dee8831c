#include "analyzer/dataviews/image/ImageListModel.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/AuxFileImageData.h"
#include "host/imagesupport/CaseImages.h"
#include "host/imagesupport/LabelMaker.h"
#include "host/imagesupport/ModifiedObserver.h"
#include "host/imagesupport/ScalingImageLoader.h"
#include "host/project/AuxFile.h"
#include "host/viewsupport/ImageViewProperties.h"

#include <QHash>
#include <QImage>
#include <QVector>
#include <boost/make_shared.hpp>
#include <stdexcept>
#include <vtkTable.h>
#include <vtkTableAlgorithm.h>

struct ImageListModel::Impl
{
  ImageListModel& model;
  vtkSmartPointer<vtkTableAlgorithm> table;
  boost::shared_ptr<ScalingImageLoader> loader;
  boost::shared_ptr<ImageViewProperties> properties;
  std::vector<WeakPtr<AuxFile>> auxFiles;
  QHash<QString, QVector<int>> rowsOfFile;
  ModifiedObserver observer;
  SignalConnectionCollection connections;

  Impl(ImageListModel& owner,
    vtkSmartPointer<vtkTableAlgorithm> t,
    boost::shared_ptr<ScalingImageLoader> l,
    boost::shared_ptr<ImageViewProperties> p)
    : model(owner)
    , table(std::move(t))
    , loader(std::move(l))
    , properties(std::move(p))
    , observer([this] { model.rebuild(); })
  {
  }

  std::string labelOf(const WeakPtr<AuxFile>& image) const
  {
    const auto auxFile = image.lock();
    if (!auxFile || !properties->showLabels()->value())
      return {};
    return LabelMaker().label(properties->variablesInLabel()->value(), auxFile->record(), "  ");
  }

  void allRowsChanged(int role)
  {
    if (!auxFiles.empty())
      Q_EMIT model.dataChanged(
        model.index(0), model.index(static_cast<int>(auxFiles.size()) - 1), { role });
  }

  void imageArrived(const QString& filePath)
  {
    const auto rows = rowsOfFile.constFind(filePath);
    if (rows == rowsOfFile.constEnd())
      return;
    for (int row : *rows)
      Q_EMIT model.dataChanged(model.index(row), model.index(row), { Qt::DecorationRole });
  }

  void indexFiles()
  {
    rowsOfFile.clear();
    for (std::size_t row = 0; row < auxFiles.size(); ++row)
      if (const auto auxFile = auxFiles[row].lock())
        rowsOfFile[QString::fromStdString(auxFile->filePath())].append(static_cast<int>(row));
  }
};

ImageListModel::ImageListModel(vtkSmartPointer<vtkTableAlgorithm> table,
  boost::shared_ptr<ScalingImageLoader> loader,
  boost::shared_ptr<ImageViewProperties> properties,
  QObject* parent)
  : QAbstractListModel(parent)
  , m_impl(
      std::make_unique<Impl>(*this, std::move(table), std::move(loader), std::move(properties)))
{
  auto labels = [this] { m_impl->allRowsChanged(Qt::DisplayRole); };
  m_impl->connections.add(m_impl->properties->showLabels()->signalPropertyChanged.connect(labels));
  m_impl->connections.add(
    m_impl->properties->variablesInLabel()->signalPropertyChanged.connect(labels));
  m_impl->connections.add(m_impl->loader->signalImageArrived.connect(
    [this](const QString& filePath) { m_impl->imageArrived(filePath); }));
  m_impl->observer.observe(m_impl->table, -1.0f);
  rebuild();
}

ImageListModel::~ImageListModel() = default;

int ImageListModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : static_cast<int>(m_impl->auxFiles.size());
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const
{
  if (!index.isValid())
    return QVariant();
  const auto image = auxFileAt(index.row());
  switch (role)
  {
    case Qt::DisplayRole:
      return QString::fromStdString(m_impl->labelOf(image));
    case Qt::DecorationRole:
    {
      const auto auxFile = image.lock();
      return auxFile ? QVariant(m_impl->loader->load(auxFile->filePath())) : QVariant();
    }
    case Qt::ToolTipRole:
      return QString::fromStdString(CaseImages::toolTipOf(image));
    default:
      return QVariant();
  }
}

WeakPtr<AuxFile> ImageListModel::auxFileAt(int row) const
{
  if (row < 0 || row >= rowCount())
    throw std::out_of_range("ImageListModel: row " + std::to_string(row) + " is beyond the list");
  return m_impl->auxFiles[static_cast<std::size_t>(row)];
}

std::vector<WeakPtr<AuxFile>> ImageListModel::auxFiles() const
{
  return m_impl->auxFiles;
}

boost::shared_ptr<ImageViewProperties> ImageListModel::properties() const
{
  return m_impl->properties;
}

boost::shared_ptr<const AuxFileImageData> ImageListModel::imageData(const QModelIndex& index) const
{
  const auto image = auxFileAt(index.row());
  return boost::make_shared<AuxFileImageData>(AuxFileImageData{ image, m_impl->labelOf(image) });
}

std::vector<std::string> ImageListModel::availableTags() const
{
  return CaseImages::tagsOf(m_impl->auxFiles);
}

void ImageListModel::rebuild()
{
  m_impl->table->Update();
  std::vector<WeakPtr<AuxFile>> auxFiles = CaseImages::ofTable(m_impl->table->GetOutput());
  // Selection changes reach the table too; an unchanged list keeps the user's selection.
  if (auxFiles == m_impl->auxFiles)
  {
    m_impl->allRowsChanged(Qt::DisplayRole);
    return;
  }
  beginResetModel();
  m_impl->auxFiles = std::move(auxFiles);
  m_impl->indexFiles();
  endResetModel();
}

void ImageListModel::suspend()
{
  m_impl->connections.block();
  m_impl->loader->suspend();
  m_impl->observer.stop();
}

void ImageListModel::resume()
{
  m_impl->connections.unblock();
  m_impl->loader->resume();
  m_impl->observer.observe(m_impl->table, 0.0f);
  rebuild();
}
