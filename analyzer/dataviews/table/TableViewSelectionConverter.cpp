#include "analyzer/dataviews/table/TableViewSelectionConverter.h"

#include "analyzer/dataviews/table/TableViewModel.h"

#include <QAbstractProxyModel>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <unordered_map>

TableViewSelectionConverter::TableViewSelectionConverter(QTableView& view)
  : m_view(&view)
{
}

std::set<uint64_t> TableViewSelectionConverter::rowsToCaseIds(
  const QItemSelectionModel& selection) const
{
  std::set<uint64_t> caseIds;
  for (const QModelIndex& index : selection.selectedRows(0))
    caseIds.insert(index.data(Qt::DisplayRole).toULongLong());
  return caseIds;
}

QItemSelection TableViewSelectionConverter::caseIdsToSelection(
  const std::set<uint64_t>& caseIds) const
{
  QItemSelection selection;
  QAbstractItemModel* model = m_view ? m_view->model() : nullptr;
  if (caseIds.empty() || !model)
    return selection;

  const std::vector<int> rows = rowsOf(caseIds);
  const int lastColumn = model->columnCount() - 1;
  for (std::size_t begin = 0; begin < rows.size();)
  {
    std::size_t end = begin + 1;
    while (end < rows.size() && rows[end] == rows[end - 1] + 1)
      ++end;
    selection.select(model->index(rows[begin], 0), model->index(rows[end - 1], lastColumn));
    begin = end;
  }
  return selection;
}

// Ascending rows of the requested cases that the view shows; a later row with the same id wins.
std::vector<int> TableViewSelectionConverter::rowsOf(const std::set<uint64_t>& caseIds) const
{
  QAbstractItemModel* model = m_view->model();
  std::vector<const QAbstractProxyModel*> proxies;
  const QAbstractItemModel* source = model;
  while (auto* proxy = qobject_cast<const QAbstractProxyModel*>(source))
  {
    proxies.push_back(proxy);
    source = proxy->sourceModel();
  }
  if (auto* table = qobject_cast<const TableViewModel*>(source))
    return rowsThroughProxies(*table, proxies, caseIds);
  return rowsByWalking(*model, caseIds);
}

// Reads the case ids from the table's column and maps the rows up to the view, instead of
// formatting every row of a large table.
std::vector<int> TableViewSelectionConverter::rowsThroughProxies(const TableViewModel& table,
  const std::vector<const QAbstractProxyModel*>& proxies,
  const std::set<uint64_t>& caseIds)
{
  std::unordered_map<uint64_t, int> rowOfCase;
  for (int sourceRow : table.rowsOfCases(caseIds))
  {
    QModelIndex index = table.index(sourceRow, 0);
    for (auto proxy = proxies.rbegin(); proxy != proxies.rend() && index.isValid(); ++proxy)
      index = (*proxy)->mapFromSource(index);
    if (!index.isValid())
      continue;
    int& row = rowOfCase.emplace(table.caseIdAtRow(sourceRow), index.row()).first->second;
    row = std::max(row, index.row());
  }
  return sortedRows(rowOfCase);
}

std::vector<int> TableViewSelectionConverter::rowsByWalking(const QAbstractItemModel& model,
  const std::set<uint64_t>& caseIds)
{
  std::unordered_map<uint64_t, int> rowOfCase;
  const int rowCount = model.rowCount();
  for (int row = 0; row < rowCount; ++row)
  {
    const uint64_t caseId = model.index(row, 0).data(Qt::DisplayRole).toULongLong();
    if (caseIds.count(caseId))
      rowOfCase[caseId] = row;
  }
  return sortedRows(rowOfCase);
}

std::vector<int> TableViewSelectionConverter::sortedRows(
  const std::unordered_map<uint64_t, int>& rowOfCase)
{
  std::vector<int> rows;
  rows.reserve(rowOfCase.size());
  for (const auto& entry : rowOfCase)
    rows.push_back(entry.second);
  std::sort(rows.begin(), rows.end());
  return rows;
}
