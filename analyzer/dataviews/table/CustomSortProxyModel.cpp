#include "analyzer/dataviews/table/CustomSortProxyModel.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "host/project/Variable.h"
#include "host/vtkutil/vtkVariantVariableValueLessThan.h"

#include <cmath>
#include <vector>
#include <vtkVariant.h>

struct CustomSortProxyModel::Impl
{
  vtkVariantVariableValueLessThan variantLess{ false };
  // Numbers of the sorted column read straight from a table model: formatting every cell
  // for every comparison would freeze the view at a million rows.
  std::vector<double> keys;
  int keyColumn = -1;

  void dropKeys()
  {
    keys.clear();
    keyColumn = -1;
  }
};

CustomSortProxyModel::CustomSortProxyModel(QObject* parent)
  : QSortFilterProxyModel(parent)
  , m_impl(std::make_unique<Impl>())
{
  setDynamicSortFilter(true);
  auto drop = [this] { m_impl->dropKeys(); };
  connect(this,
    &QAbstractProxyModel::sourceModelChanged,
    this,
    [this, drop]
    {
      drop();
      if (!sourceModel())
        return;
      connect(sourceModel(), &QAbstractItemModel::modelReset, this, drop);
      connect(sourceModel(), &QAbstractItemModel::dataChanged, this, drop);
      connect(sourceModel(), &QAbstractItemModel::rowsInserted, this, drop);
      connect(sourceModel(), &QAbstractItemModel::rowsRemoved, this, drop);
    });
}

CustomSortProxyModel::~CustomSortProxyModel() = default;

void CustomSortProxyModel::sort(int column, Qt::SortOrder order)
{
  m_impl->dropKeys();
  auto* table = qobject_cast<TableViewModel*>(sourceModel());
  auto variable = table ? table->variable(column).lock() : nullptr;
  if (variable && variable->isNumeric() && !variable->hasVariantOrdering())
  {
    m_impl->keys = table->numericValues(column);
    if (int(m_impl->keys.size()) == table->rowCount())
      m_impl->keyColumn = column;
  }
  QSortFilterProxyModel::sort(column, order);
}

bool CustomSortProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
  if (left.column() < 0)
    return false;
  if (left.column() == m_impl->keyColumn && right.column() == m_impl->keyColumn)
    return m_impl->keys[left.row()] < m_impl->keys[right.row()];

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
