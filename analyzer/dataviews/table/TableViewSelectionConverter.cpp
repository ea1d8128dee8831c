#include "analyzer/dataviews/table/TableViewSelectionConverter.h"

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
  std::unordered_map<uint64_t, int> rowOfCase;
  const int rowCount = model->rowCount();
  for (int row = 0; row < rowCount; ++row)
  {
    const uint64_t caseId = model->index(row, 0).data(Qt::DisplayRole).toULongLong();
    if (caseIds.count(caseId))
      rowOfCase[caseId] = row;
  }
  std::vector<int> rows;
  rows.reserve(rowOfCase.size());
  for (const auto& entry : rowOfCase)
    rows.push_back(entry.second);
  std::sort(rows.begin(), rows.end());
  return rows;
}
