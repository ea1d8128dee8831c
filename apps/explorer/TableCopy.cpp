#include "apps/explorer/TableCopy.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "apps/explorer/TableCsvWriter.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <vector>

namespace
{

// A tab or line break inside a value would split it into cells or rows when pasted.
QString cellText(QString text)
{
  return text.replace('\t', ' ').replace('\r', ' ').replace('\n', ' ');
}

bool isSelected(const QTableView& table, int row, const std::set<uint64_t>& selectedCases)
{
  const QAbstractItemModel& model = *table.model();
  const QVariant caseId = model.index(row, 0).data(CaseIdRole);
  if (caseId.isValid() && selectedCases.count(caseId.toULongLong()) != 0)
    return true;
  return table.selectionModel() && table.selectionModel()->isRowSelected(row, QModelIndex());
}

} // namespace

QString TableCopy::selectedRows(const QTableView& table, const std::set<uint64_t>& selectedCases)
{
  const QAbstractItemModel* model = table.model();
  if (!model || model->columnCount() == 0)
    return {};
  const std::vector<int> columns = TableCsvWriter::shownSections(*table.horizontalHeader());
  QStringList lines;
  for (int row : TableCsvWriter::shownSections(*table.verticalHeader()))
  {
    if (!isSelected(table, row, selectedCases))
      continue;
    QStringList cells;
    for (int column : columns)
      cells << cellText(model->index(row, column).data(Qt::DisplayRole).toString());
    lines << cells.join('\t');
  }
  if (lines.isEmpty())
    return {};
  QStringList header;
  for (int column : columns)
    header << cellText(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
  lines.prepend(header.join('\t'));
  return lines.join('\n') + '\n';
}
