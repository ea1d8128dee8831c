#include "analyzer/dataviews/image/ImageListProxyModel.h"

#include "analyzer/dataviews/image/ImageListModel.h"
#include "host/project/AuxFile.h"
#include "host/viewsupport/ImageViewProperties.h"

ImageListProxyModel::ImageListProxyModel(ImageListModel& source, QObject* parent)
  : QSortFilterProxyModel(parent)
  , m_source(source)
  , m_tags(source.properties()->allTagsToShow())
{
  setSourceModel(&source);
  auto tags = [this] { tagsChanged(); };
  m_connections.add(source.properties()->tagsToShow()->signalPropertyChanged.connect(tags));
  m_connections.add(source.properties()->tagGroupsToShow()->signalPropertyChanged.connect(tags));
}

WeakPtr<AuxFile> ImageListProxyModel::auxFileAt(int row) const
{
  return m_source.auxFileAt(mapToSource(index(row, 0)).row());
}

std::vector<WeakPtr<AuxFile>> ImageListProxyModel::auxFiles() const
{
  std::vector<WeakPtr<AuxFile>> files;
  for (int row = 0; row < rowCount(); ++row)
    files.push_back(auxFileAt(row));
  return files;
}

void ImageListProxyModel::suspend()
{
  m_connections.block();
}

void ImageListProxyModel::resume()
{
  m_connections.unblock();
  tagsChanged();
}

bool ImageListProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
  const auto auxFile = m_source.auxFileAt(sourceRow).lock();
  return auxFile && ImageViewProperties::admits(auxFile->tags(), m_tags);
}

void ImageListProxyModel::tagsChanged()
{
  const auto tags = m_source.properties()->allTagsToShow();
  if (tags == m_tags)
    return;
  m_tags = tags;
  invalidateFilter();
}
