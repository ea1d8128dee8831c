#pragma once

#include <QAbstractItemModel>
#include <vector>

// Tables as the user reads them: case ids in column 0, columns by their headers.
namespace testsupport
{

/// The row of a model showing the case, found by the case id in column 0; -1 when absent.
inline int rowOfCase(const QAbstractItemModel& model, uint64_t caseId)
{
  for (int row = 0; row < model.rowCount(); ++row)
    if (model.index(row, 0).data().toULongLong() == caseId)
      return row;
  return -1;
}

/// The column headed by the name; -1 when none is.
inline int columnNamed(const QAbstractItemModel& model, const QString& name)
{
  for (int column = 0; column < model.columnCount(); ++column)
    if (model.headerData(column, Qt::Horizontal).toString() == name)
      return column;
  return -1;
}

/// The case ids of column 0, row by row.
inline std::vector<uint64_t> casesInRowOrder(const QAbstractItemModel& model)
{
  std::vector<uint64_t> ids;
  for (int row = 0; row < model.rowCount(); ++row)
    ids.push_back(model.index(row, 0).data().toULongLong());
  return ids;
}

} // namespace testsupport
