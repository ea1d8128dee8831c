#include "analyzer/dataviews/table/CustomSortProxyModel.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "host/project/Variable.h"
#include "host/vtkutil/vtkVariantVariableValueLessThan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <utility>
#include <vtkVariant.h>

namespace
{

// Unsigned keys in the order of the doubles they stand for; NaN last.
uint64_t doubleKey(double value)
{
  if (std::isnan(value))
    return std::numeric_limits<uint64_t>::max();
  uint64_t bits = 0;
  const double number = value == 0.0 ? 0.0 : value;
  std::memcpy(&bits, &number, sizeof bits);
  return (bits >> 63) ? ~bits : bits | (uint64_t(1) << 63);
}

bool isNumber(const QVariant& value)
{
  switch (value.userType())
  {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

// Item values in the order an item view sorts them: nothing first, numbers by value, the rest
// by their text, case-sensitively.
bool itemValueLess(const QVariant& left, const QVariant& right)
{
  if (!left.isValid() || !right.isValid())
    return !left.isValid() && right.isValid();
  if (isNumber(left) && isNumber(right))
    return left.toDouble() < right.toDouble();
  return left.toString().compare(right.toString(), Qt::CaseSensitive) < 0;
}

// Rows ordered by the values of a column, read beforehand; equal values keep the rows' order.
template<class Value, class Less>
std::vector<int> orderByValues(const std::vector<Value>& values, Qt::SortOrder order, Less less)
{
  std::vector<int> rows(values.size());
  std::iota(rows.begin(), rows.end(), 0);
  if (order == Qt::AscendingOrder)
    std::stable_sort(rows.begin(),
      rows.end(),
      [&](int left, int right) { return less(values[left], values[right]); });
  else
    std::stable_sort(rows.begin(),
      rows.end(),
      [&](int left, int right) { return less(values[right], values[left]); });
  return rows;
}

// Rows ordered by unsigned keys, least significant byte first: each pass is stable, so equal
// keys keep the rows' order. A byte that all keys share costs no pass.
std::vector<int> radixOrder(const std::vector<uint64_t>& keys, uint64_t flip)
{
  struct Keyed
  {
    uint64_t key;
    int row;
  };
  constexpr int bytes = sizeof(uint64_t);
  const std::size_t count = keys.size();
  std::vector<Keyed> from(count);
  std::vector<Keyed> to(count);
  std::vector<std::array<std::size_t, 256>> counts(bytes);
  for (auto& histogram : counts)
    histogram.fill(0);
  for (std::size_t row = 0; row < count; ++row)
  {
    const uint64_t key = keys[row] ^ flip;
    from[row] = { key, static_cast<int>(row) };
    for (int byte = 0; byte < bytes; ++byte)
      ++counts[byte][(key >> (8 * byte)) & 0xff];
  }
  for (int byte = 0; byte < bytes; ++byte)
  {
    std::array<std::size_t, 256>& histogram = counts[byte];
    if (std::find(histogram.begin(), histogram.end(), count) != histogram.end())
      continue;
    std::size_t next = 0;
    for (std::size_t& slot : histogram)
      next += std::exchange(slot, next);
    for (const Keyed& entry : from)
      to[histogram[(entry.key >> (8 * byte)) & 0xff]++] = entry;
    from.swap(to);
  }
  std::vector<int> rows(count);
  for (std::size_t i = 0; i < count; ++i)
    rows[i] = from[i].row;
  return rows;
}

// Rows ordered by unsigned keys; equal values keep the rows' order either way. Keys already
// ascending give no rows: the source's own order.
std::vector<int> orderByKeys(const std::vector<uint64_t>& keys, Qt::SortOrder order)
{
  if (order == Qt::AscendingOrder && std::is_sorted(keys.begin(), keys.end()))
    return {};
  return radixOrder(keys, order == Qt::AscendingOrder ? 0 : std::numeric_limits<uint64_t>::max());
}

} // namespace

struct CustomSortProxyModel::Impl
{
  vtkVariantVariableValueLessThan variantLess{ false };
  // The table model beneath the source and the proxies between them, whose order keys the
  // numeric columns sort on.
  const TableViewModel* table = nullptr;
  std::vector<const QAbstractProxyModel*> between;
  int sortColumn = -1;
  Qt::SortOrder sortOrder = Qt::AscendingOrder;
  // Source row by row and row by source row; both empty while rows show in the source's order.
  std::vector<int> toSource;
  std::vector<int> fromSource;
  int rows = 0;
  int columns = 0;
  int sourceChanges = 0;
  std::vector<QMetaObject::Connection> connections;

  void findTable(const QAbstractItemModel* source)
  {
    between.clear();
    while (auto* proxy = qobject_cast<const QAbstractProxyModel*>(source))
    {
      between.push_back(proxy);
      source = proxy->sourceModel();
    }
    table = qobject_cast<const TableViewModel*>(source);
  }

  int tableRow(QModelIndex index) const
  {
    for (const QAbstractProxyModel* proxy : between)
      index = proxy->mapToSource(index);
    return index.row();
  }

  void setOrder(std::vector<int> order)
  {
    toSource = std::move(order);
    fromSource.assign(toSource.size(), 0);
    for (std::size_t row = 0; row < toSource.size(); ++row)
      fromSource[static_cast<std::size_t>(toSource[row])] = static_cast<int>(row);
  }
};

CustomSortProxyModel::CustomSortProxyModel(QObject* parent)
  : QAbstractProxyModel(parent)
  , m_impl(std::make_unique<Impl>())
{
}

CustomSortProxyModel::~CustomSortProxyModel() = default;

void CustomSortProxyModel::setSourceModel(QAbstractItemModel* source)
{
  beginResetModel();
  for (const auto& connection : m_impl->connections)
    disconnect(connection);
  m_impl->connections.clear();
  QAbstractProxyModel::setSourceModel(source);
  m_impl->findTable(source);
  if (source)
    connectToSource();
  m_impl->rows = source ? source->rowCount() : 0;
  m_impl->columns = source ? source->columnCount() : 0;
  m_impl->setOrder(orderedRows());
  endResetModel();
}

void CustomSortProxyModel::connectToSource()
{
  QAbstractItemModel* source = sourceModel();
  auto& kept = m_impl->connections;
  kept.push_back(connect(
    source, &QAbstractItemModel::dataChanged, this, &CustomSortProxyModel::onSourceDataChanged));
  kept.push_back(connect(source,
    &QAbstractItemModel::headerDataChanged,
    this,
    &CustomSortProxyModel::onSourceHeaderDataChanged));
  // Any change of the source's shape is a reset here, sorted again.
  auto begin = [this] { beginSourceChange(); };
  auto end = [this] { endSourceChange(); };
  kept.push_back(connect(source, &QAbstractItemModel::modelAboutToBeReset, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::modelReset, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::layoutChanged, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::rowsInserted, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::rowsRemoved, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::rowsMoved, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::columnsAboutToBeInserted, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::columnsInserted, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::columnsRemoved, this, end));
  kept.push_back(connect(source, &QAbstractItemModel::columnsAboutToBeMoved, this, begin));
  kept.push_back(connect(source, &QAbstractItemModel::columnsMoved, this, end));
}

void CustomSortProxyModel::beginSourceChange()
{
  if (m_impl->sourceChanges++ == 0)
    beginResetModel();
}

void CustomSortProxyModel::endSourceChange()
{
  if (m_impl->sourceChanges == 0 || --m_impl->sourceChanges > 0)
    return;
  m_impl->rows = sourceModel()->rowCount();
  m_impl->columns = sourceModel()->columnCount();
  m_impl->setOrder(orderedRows());
  endResetModel();
}

void CustomSortProxyModel::sort(int column, Qt::SortOrder order)
{
  m_impl->sortColumn = column;
  m_impl->sortOrder = order;
  resort();
}

void CustomSortProxyModel::resort()
{
  if (!sourceModel() || m_impl->sourceChanges > 0)
    return;
  Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList sources;
  sources.reserve(before.size());
  for (const QModelIndex& index : before)
    sources.append(mapToSource(index));
  m_impl->setOrder(orderedRows());
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& source : sources)
    after.append(mapFromSource(source));
  changePersistentIndexList(before, after);
  Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> CustomSortProxyModel::orderedRows() const
{
  const Impl& impl = *m_impl;
  const int column = impl.sortColumn;
  const int rows = impl.rows;
  if (!sourceModel() || column < 0 || column >= impl.columns || rows == 0)
    return {};
  const QAbstractItemModel& source = *sourceModel();

  if (impl.table && impl.between.empty() && impl.sortOrder == Qt::AscendingOrder &&
      impl.table->keysAscend(column))
    return {};
  if (impl.table)
  {
    const std::vector<uint64_t>& tableKeys = impl.table->orderKeys(column);
    if (!tableKeys.empty() && impl.between.empty())
      return orderByKeys(tableKeys, impl.sortOrder);
    if (!tableKeys.empty())
    {
      std::vector<uint64_t> keys(static_cast<std::size_t>(rows));
      for (int row = 0; row < rows; ++row)
        keys[row] = tableKeys[static_cast<std::size_t>(impl.tableRow(source.index(row, column)))];
      return orderByKeys(keys, impl.sortOrder);
    }
  }

  const auto variable =
    source.headerData(column, Qt::Horizontal, VariableRole).value<WeakPtr<Variable>>().lock();
  if (variable && variable->isNumeric() && variable->hasVariantOrdering())
  {
    std::vector<vtkVariant> values(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
      values[row] = vtkVariant(source.index(row, column).data().toString().toStdString());
    return orderByValues(values, impl.sortOrder, impl.variantLess);
  }
  if (variable && variable->isNumeric())
  {
    std::vector<uint64_t> keys(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
      keys[row] = doubleKey(source.index(row, column).data().toDouble());
    return orderByKeys(keys, impl.sortOrder);
  }
  std::vector<QVariant> values(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row)
    values[row] = source.index(row, column).data();
  return orderByValues(values, impl.sortOrder, itemValueLess);
}

void CustomSortProxyModel::onSourceDataChanged(const QModelIndex& topLeft,
  const QModelIndex& bottomRight,
  const QVector<int>& roles)
{
  if (!topLeft.isValid() || !bottomRight.isValid() || m_impl->sourceChanges > 0)
    return;
  const int column = m_impl->sortColumn;
  if (column >= topLeft.column() && column <= bottomRight.column())
    resort();
  if (m_impl->toSource.empty() || topLeft.row() == bottomRight.row())
    Q_EMIT dataChanged(mapFromSource(topLeft), mapFromSource(bottomRight), roles);
  else
    Q_EMIT dataChanged(
      index(0, topLeft.column()), index(m_impl->rows - 1, bottomRight.column()), roles);
}

void CustomSortProxyModel::onSourceHeaderDataChanged(Qt::Orientation orientation,
  int first,
  int last)
{
  if (orientation == Qt::Horizontal || m_impl->toSource.empty())
    Q_EMIT headerDataChanged(orientation, first, last);
  else if (m_impl->rows > 0)
    Q_EMIT headerDataChanged(orientation, 0, m_impl->rows - 1);
}

int CustomSortProxyModel::sourceRow(int row) const
{
  return m_impl->toSource.empty() ? row : m_impl->toSource[static_cast<std::size_t>(row)];
}

int CustomSortProxyModel::proxyRow(int sourceRow) const
{
  return m_impl->fromSource.empty() ? sourceRow
                                    : m_impl->fromSource[static_cast<std::size_t>(sourceRow)];
}

QModelIndex CustomSortProxyModel::index(int row, int column, const QModelIndex& parent) const
{
  if (parent.isValid() || row < 0 || column < 0 || row >= m_impl->rows || column >= m_impl->columns)
    return {};
  return createIndex(row, column);
}

QModelIndex CustomSortProxyModel::parent(const QModelIndex&) const
{
  return {};
}

QModelIndex CustomSortProxyModel::sibling(int row, int column, const QModelIndex&) const
{
  return index(row, column);
}

int CustomSortProxyModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : m_impl->rows;
}

int CustomSortProxyModel::columnCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : m_impl->columns;
}

bool CustomSortProxyModel::hasChildren(const QModelIndex& parent) const
{
  return !parent.isValid() && m_impl->rows > 0 && m_impl->columns > 0;
}

QVariant CustomSortProxyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (!sourceModel())
    return {};
  if (orientation == Qt::Vertical && section >= 0 && section < m_impl->rows)
    section = sourceRow(section);
  return sourceModel()->headerData(section, orientation, role);
}

QModelIndex CustomSortProxyModel::mapToSource(const QModelIndex& proxyIndex) const
{
  if (!proxyIndex.isValid() || !sourceModel())
    return {};
  return sourceModel()->index(sourceRow(proxyIndex.row()), proxyIndex.column());
}

QModelIndex CustomSortProxyModel::mapFromSource(const QModelIndex& sourceIndex) const
{
  if (!sourceIndex.isValid() || sourceIndex.row() >= m_impl->rows)
    return {};
  return index(proxyRow(sourceIndex.row()), sourceIndex.column());
}
