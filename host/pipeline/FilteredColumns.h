#pragma once

#include <vector>
#include <vtkAbstractArray.h>
#include <vtkSmartPointer.h>

/// Copies of the unfiltered columns holding only the rows that pass the filters. A row's
/// position here is found by searching the ascending list of kept rows.
class FilteredColumns
{
public:
  /// Copies the rows of each column; copies keep the class, name and NaN/NULL rows.
  void rebuild(const std::vector<vtkAbstractArray*>& columns, std::vector<vtkIdType> rows);
  void clear();

  const std::vector<vtkSmartPointer<vtkAbstractArray>>& columns() const { return m_columns; }
  const std::vector<vtkIdType>& rows() const { return m_rows; }
  /// The filtered row showing an unfiltered row, or -1.
  vtkIdType filteredRow(vtkIdType unfilteredRow) const;
  /// Copies a cell again after an edit of the unfiltered column it came from.
  void refreshCell(std::size_t column, vtkAbstractArray& source, vtkIdType unfilteredRow);

private:
  static vtkSmartPointer<vtkAbstractArray> gather(vtkAbstractArray& source,
    const std::vector<vtkIdType>& rows);

  std::vector<vtkSmartPointer<vtkAbstractArray>> m_columns;
  std::vector<vtkIdType> m_rows;
};
