#include "analyzer/dataviews/table/CustomSortProxyModel.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "host/project/Variable.h"
#include "host/vtkutil/vtkVariantVariableValueLessThan.h"

#include <QPointer>
#include <vector>
#include <vtkVariant.h>

struct CustomSortProxyModel::Impl
{
  vtkVariantVariableValueLessThan variantLess{ false };
  // The table model beneath the source and the proxies between them. Numeric columns sort on
  // its order keys: every sort of a column, a header click or the re-sort after a reset, then
  // compares the same exact values, and a million rows sort without formatting a cell.
  QPointer<const TableViewModel> table;
  std::vector<const QAbstractProxyModel*> between;

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
  connect(this,
    &QAbstractProxyModel::sourceModelChanged,
    this,
    [this] { m_impl->findTable(sourceModel()); });
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
