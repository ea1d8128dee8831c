#include "host/imagesupport/ImageMatrixLayout.h"

#include "host/project/AuxFile.h"
#include "host/project/Record.h"
#include "host/project/Variable.h"

#include <algorithm>
#include <map>

namespace
{

using Dimension = ImageMatrixViewProperties::RowColumnDimensionBy;

int rankOf(const Variant& value)
{
  switch (value.kind())
  {
    case Variant::Kind::Integer:
    case Variant::Kind::Real:
      return 0;
    case Variant::Kind::Text:
      return 1;
    case Variant::Kind::NaN:
      return 2;
    case Variant::Kind::Null:
      break;
  }
  return 3;
}

/// Numbers ascending, then texts, then NaN, then NULL.
struct VariantLess
{
  bool operator()(const Variant& a, const Variant& b) const
  {
    const int ra = rankOf(a);
    const int rb = rankOf(b);
    if (ra != rb)
      return ra < rb;
    if (ra == 0)
      return a.doubleValue() < b.doubleValue();
    if (ra == 1)
      return a.toString() < b.toString();
    return false;
  }
};

struct Placed
{
  WeakPtr<AuxFile> image;
  Variant row;
  Variant column;
};

Variant firstTagOf(const AuxFile& auxFile)
{
  return auxFile.tags().empty() ? Variant() : Variant(auxFile.tags().front());
}

Variant valueOf(const AuxFile& auxFile, const WeakPtr<Variable>& variable)
{
  const auto record = auxFile.record().lock();
  const auto locked = variable.lock();
  return record && locked ? record->data(*locked) : Variant();
}

Variant keyOf(const AuxFile& auxFile, Dimension by, const WeakPtr<Variable>& variable)
{
  if (by == ImageMatrixViewProperties::ByTag)
    return firstTagOf(auxFile);
  if (by == ImageMatrixViewProperties::ByVariable)
    return valueOf(auxFile, variable);
  return Variant();
}

/// The distinct keys in display order: tags as chosen, everything else ascending.
std::vector<Variant> orderedKeys(const std::vector<Variant>& keys,
  bool byTag,
  const std::vector<std::string>& tags)
{
  std::vector<Variant> distinct;
  std::map<Variant, bool, VariantLess> seen;
  for (const Variant& key : keys)
    if (seen.emplace(key, true).second)
      distinct.push_back(key);
  std::sort(distinct.begin(), distinct.end(), VariantLess());
  if (byTag && !tags.empty())
  {
    auto position = [&](const Variant& key)
    { return std::find(tags.begin(), tags.end(), key.toString()) - tags.begin(); };
    std::stable_sort(distinct.begin(),
      distinct.end(),
      [&](const Variant& a, const Variant& b) { return position(a) < position(b); });
  }
  return distinct;
}

QString headerOf(const Variant& key, Dimension by, const WeakPtr<Variable>& variable)
{
  if (by == ImageMatrixViewProperties::ByTag)
    return key.isNull() ? QStringLiteral("(no tag)") : QString::fromStdString(key.toString());
  if (by == ImageMatrixViewProperties::ByVariable)
  {
    const auto locked = variable.lock();
    const std::string name = locked ? locked->name() : std::string("?");
    return QString::fromStdString(name + " = " + key.toString());
  }
  return QString();
}

int indexOfKey(const std::vector<Variant>& keys, const Variant& key)
{
  const VariantLess less;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (!less(keys[i], key) && !less(key, keys[i]))
      return static_cast<int>(i);
  return -1;
}

} // namespace

ImageMatrixLayout::Options ImageMatrixLayout::optionsOf(const ImageMatrixViewProperties& properties,
  int wrapColumns)
{
  Options options;
  options.rowsBy = properties.dimensionRowsBy()->value();
  options.columnsBy = properties.dimensionColumnsBy()->value();
  options.pagesBy = properties.dimensionPagesBy()->value();
  options.rowVar = properties.rowVar()->value();
  options.columnVar = properties.columnVar()->value();
  options.pageVar = properties.pageVar()->value();
  options.pageValue = properties.pageValue()->value();
  options.tags = properties.allTagsToShow();
  options.wrapColumns = std::max(1, wrapColumns);
  return options;
}

ImageMatrixLayout ImageMatrixLayout::build(const std::vector<WeakPtr<AuxFile>>& images,
  const Options& options)
{
  ImageMatrixLayout layout;
  const bool pagedByTag = options.pagesBy == ImageMatrixViewProperties::PageByTag;
  const bool paged = pagedByTag || !options.pageVar.isNull();

  std::vector<Placed> shown;
  std::vector<Variant> pageKeys;
  for (const auto& handle : images)
  {
    const auto auxFile = handle.lock();
    if (!auxFile)
      continue;
    if (!options.tags.empty() && !ImageViewProperties::admits(auxFile->tags(), options.tags))
      continue;
    shown.push_back({ handle, Variant(), Variant() });
    if (paged)
      pageKeys.push_back(pagedByTag ? firstTagOf(*auxFile) : valueOf(*auxFile, options.pageVar));
  }

  layout.m_pages = paged ? orderedKeys(pageKeys, pagedByTag, options.tags) : std::vector<Variant>();
  if (layout.m_pages.empty())
    layout.m_pages.push_back(Variant());
  layout.m_currentPage = std::max(0, indexOfKey(layout.m_pages, options.pageValue));
  if (paged)
  {
    const Variant& page = layout.m_pages[layout.m_currentPage];
    std::vector<Placed> onPage;
    for (std::size_t i = 0; i < shown.size(); ++i)
      if (indexOfKey({ page }, pageKeys[i]) == 0)
        onPage.push_back(shown[i]);
    shown = std::move(onPage);
  }

  if (options.rowsBy == ImageMatrixViewProperties::ByNothing &&
      options.columnsBy == ImageMatrixViewProperties::ByNothing)
  {
    const int count = static_cast<int>(shown.size());
    layout.m_columns = count == 0 ? 0 : std::min(count, options.wrapColumns);
    layout.m_rows = count == 0 ? 0 : (count + layout.m_columns - 1) / layout.m_columns;
    layout.m_cells.resize(std::size_t(layout.m_rows) * std::size_t(layout.m_columns));
    for (int i = 0; i < count; ++i)
      layout.m_cells[i] = shown[i].image;
    layout.m_rowHeaders.resize(layout.m_rows);
    for (int row = 0; row < layout.m_rows; ++row)
      layout.m_rowHeaders[row] = QString::number(row + 1);
    layout.m_columnHeaders.resize(layout.m_columns);
    return layout;
  }

  std::vector<Variant> rowKeys;
  std::vector<Variant> columnKeys;
  for (Placed& placed : shown)
  {
    const auto auxFile = placed.image.lock();
    placed.row = keyOf(*auxFile, options.rowsBy, options.rowVar);
    placed.column = keyOf(*auxFile, options.columnsBy, options.columnVar);
    rowKeys.push_back(placed.row);
    columnKeys.push_back(placed.column);
  }
  rowKeys = orderedKeys(rowKeys, options.rowsBy == ImageMatrixViewProperties::ByTag, options.tags);
  columnKeys =
    orderedKeys(columnKeys, options.columnsBy == ImageMatrixViewProperties::ByTag, options.tags);

  std::map<Variant, int, VariantLess> rowIndex;
  std::map<Variant, int, VariantLess> columnIndex;
  for (std::size_t i = 0; i < rowKeys.size(); ++i)
    rowIndex.emplace(rowKeys[i], int(i));
  for (std::size_t i = 0; i < columnKeys.size(); ++i)
    columnIndex.emplace(columnKeys[i], int(i));

  // Images of one row and column key, then how many columns each column key needs.
  std::vector<std::vector<std::vector<WeakPtr<AuxFile>>>> buckets(
    rowKeys.size(), std::vector<std::vector<WeakPtr<AuxFile>>>(columnKeys.size()));
  for (const Placed& placed : shown)
    buckets[rowIndex.at(placed.row)][columnIndex.at(placed.column)].push_back(placed.image);
  std::vector<int> firstColumn(columnKeys.size());
  int columns = 0;
  for (std::size_t c = 0; c < columnKeys.size(); ++c)
  {
    std::size_t widest = 1;
    for (const auto& row : buckets)
      widest = std::max(widest, row[c].size());
    firstColumn[c] = columns;
    columns += static_cast<int>(widest);
    for (std::size_t i = 0; i < widest; ++i)
      layout.m_columnHeaders.push_back(
        headerOf(columnKeys[c], options.columnsBy, options.columnVar));
  }

  layout.m_rows = static_cast<int>(rowKeys.size());
  layout.m_columns = columns;
  layout.m_cells.resize(std::size_t(layout.m_rows) * std::size_t(columns));
  for (std::size_t r = 0; r < rowKeys.size(); ++r)
  {
    layout.m_rowHeaders.push_back(headerOf(rowKeys[r], options.rowsBy, options.rowVar));
    for (std::size_t c = 0; c < columnKeys.size(); ++c)
      for (std::size_t i = 0; i < buckets[r][c].size(); ++i)
        layout.m_cells[r * columns + firstColumn[c] + i] = buckets[r][c][i];
  }
  return layout;
}

WeakPtr<AuxFile> ImageMatrixLayout::imageAt(int row, int column) const
{
  if (row < 0 || column < 0 || row >= m_rows || column >= m_columns)
    return {};
  return m_cells[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)];
}

std::vector<WeakPtr<AuxFile>> ImageMatrixLayout::placedImages() const
{
  std::vector<WeakPtr<AuxFile>> placed;
  for (const auto& cell : m_cells)
    if (!cell.isNull())
      placed.push_back(cell);
  return placed;
}

bool ImageMatrixLayout::operator==(const ImageMatrixLayout& other) const
{
  return m_rows == other.m_rows && m_columns == other.m_columns && m_cells == other.m_cells &&
         m_rowHeaders == other.m_rowHeaders && m_columnHeaders == other.m_columnHeaders &&
         m_pages == other.m_pages && m_currentPage == other.m_currentPage;
}
