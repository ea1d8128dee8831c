#include "analyzer/dataviews/table/CustomSortProxyModel.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "host/project/Variable.h"
#include "host/vtkutil/vtkVariantVariableValueLessThan.h"

#include <algorithm>
#include <vector>
#include <vtkVariant.h>

struct CustomSortProxyModel::Impl
{
  vtkVariantVariableValueLessThan variantLess{ false };
  // The table model beneath the source and the proxies between them. Numeric columns sort on
  // its order keys: every sort of a column, a header click or the re-sort after a reset, then
  // compares the same exact values, and a million rows sort without formatting a cell.
  const TableViewModel* table = nullptr;
  std::vector<const QAbstractProxyModel*> between;
  // A sort whose order is the table's own (a table opens sorted by case id, the order the
  // pipeline gives its rows) shows the rows as they come; a change that breaks the order sorts
  // them for real.
  int sortedAsTheyCome = -1;

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
};

CustomSortProxyModel::CustomSortProxyModel(QObject* parent)
  : QSortFilterProxyModel(parent)
  , m_impl(std::make_unique<Impl>())
{
  setDynamicSortFilter(true);
  connect(this, &QAbstractProxyModel::sourceModelChanged, this, &CustomSortProxyModel::follow);
}

void CustomSortProxyModel::sort(int column, Qt::SortOrder order)
{
  m_impl->sortedAsTheyCome = -1;
  if (order == Qt::AscendingOrder && rowsComeSortedBy(column))
  {
    m_impl->sortedAsTheyCome = column;
    QSortFilterProxyModel::sort(-1, Qt::AscendingOrder);
    return;
  }
  QSortFilterProxyModel::sort(column, order);
}

void CustomSortProxyModel::follow()
{
  m_impl->findTable(sourceModel());
  m_impl->sortedAsTheyCome = -1;
  if (!sourceModel())
    return;
  auto check = [this]
  {
    const int column = m_impl->sortedAsTheyCome;
    if (column >= 0 && !rowsComeSortedBy(column))
      sort(column, Qt::AscendingOrder);
  };
  connect(sourceModel(), &QAbstractItemModel::modelReset, this, check);
  connect(sourceModel(), &QAbstractItemModel::dataChanged, this, check);
  connect(sourceModel(), &QAbstractItemModel::rowsInserted, this, check);
  connect(sourceModel(), &QAbstractItemModel::layoutChanged, this, check);
}

bool CustomSortProxyModel::rowsComeSortedBy(int column) const
{
  if (!m_impl->table || !m_impl->between.empty() || column < 0)
    return false;
  const std::vector<uint64_t>& keys = m_impl->table->orderKeys(column);
  return !keys.empty() && std::is_sorted(keys.begin(), keys.end());
}

CustomSortProxyModel::~CustomSortProxyModel() = default;

bool CustomSortProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
  if (left.column() < 0)
    return false;
  if (m_impl->table)
  {
    const std::vector<uint64_t>& keys = m_impl->table->orderKeys(left.column());
    if (!keys.empty())
    {
      if (m_impl->between.empty())
        return keys[left.row()] < keys[right.row()];
      return keys[m_impl->tableRow(left)] < keys[m_impl->tableRow(right)];
    }
  }

  const auto variable = sourceModel()
                          ->headerData(left.column(), Qt::Horizontal, VariableRole)
                          .value<WeakPtr<Variable>>();
  auto locked = variable.lock();
  if (!locked || !locked->isNumeric())
    return QSortFilterProxyModel::lessThan(left, right);
  const int role = sortRole();
  if (locked->hasVariantOrdering())
  {
    const vtkVariant leftValue(left.data(role).toString().toStdString());
    const vtkVariant rightValue(right.data(role).toString().toStdString());
    return m_impl->variantLess(leftValue, rightValue);
  }
  return left.data(role).toDouble() < right.data(role).toDouble();
}

bool CustomSortProxyModel::filterAcceptsRow(int, const QModelIndex&) const
{
  return true;
}
