#include "host/imagesupport/ImageTableModel.h"

#include "host/imagesupport/CaseImages.h"
#include "host/imagesupport/LabelMaker.h"
#include "host/imagesupport/ScalingImageLoader.h"
#include "host/project/AuxFile.h"

ImageTableModel::ImageTableModel(boost::shared_ptr<ScalingImageLoader> loader,
  boost::shared_ptr<ImageViewProperties> properties,
  QObject* parent)
  : QAbstractTableModel(parent)
  , m_loader(std::move(loader))
  , m_properties(std::move(properties))
{
  m_arrivals = m_loader->signalImageArrived.connect(
    [this](const QString& filePath) { imageArrived(filePath); });
}

ImageTableModel::~ImageTableModel() = default;

void ImageTableModel::setLayout(ImageMatrixLayout layout)
{
  beginResetModel();
  m_layout = std::move(layout);
  m_cellsOfFile.clear();
  for (int row = 0; row < m_layout.rowCount(); ++row)
    for (int column = 0; column < m_layout.columnCount(); ++column)
      if (const auto auxFile = m_layout.imageAt(row, column).lock())
        m_cellsOfFile[QString::fromStdString(auxFile->filePath())].append(QPoint(column, row));
  endResetModel();
}

WeakPtr<AuxFile> ImageTableModel::imageAt(const QModelIndex& index) const
{
  return index.isValid() ? m_layout.imageAt(index.row(), index.column()) : WeakPtr<AuxFile>();
}

std::string ImageTableModel::labelOf(const WeakPtr<AuxFile>& image) const
{
  const auto auxFile = image.lock();
  if (!auxFile || !m_properties->showLabels()->value())
    return {};
  return LabelMaker().label(m_properties->variablesInLabel()->value(), auxFile->record(), "  ");
}

void ImageTableModel::labelsChanged()
{
  if (rowCount() > 0 && columnCount() > 0)
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), { Qt::DisplayRole });
}

int ImageTableModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : m_layout.rowCount();
}

int ImageTableModel::columnCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : m_layout.columnCount();
}

QVariant ImageTableModel::data(const QModelIndex& index, int role) const
{
  const auto image = imageAt(index);
  const auto auxFile = image.lock();
  if (!auxFile)
    return QVariant();
  switch (role)
  {
    case Qt::DisplayRole:
      return QString::fromStdString(labelOf(image));
    case Qt::DecorationRole:
      return m_loader->load(auxFile->filePath());
    case Qt::ToolTipRole:
      return QString::fromStdString(CaseImages::toolTipOf(image));
    default:
      return QVariant();
  }
}

QVariant ImageTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (role != Qt::DisplayRole || section < 0)
    return QVariant();
  if (orientation == Qt::Horizontal)
    return section < m_layout.columnCount() ? m_layout.columnHeader(section) : QVariant();
  return section < m_layout.rowCount() ? m_layout.rowHeader(section) : QVariant();
}

void ImageTableModel::imageArrived(const QString& filePath)
{
  const auto cells = m_cellsOfFile.constFind(filePath);
  if (cells == m_cellsOfFile.constEnd())
    return;
  for (const QPoint& cell : *cells)
  {
    const QModelIndex changed = index(cell.y(), cell.x());
    Q_EMIT dataChanged(changed, changed, { Qt::DecorationRole });
  }
}
