#pragma once

#include <cstdint>
#include <vector>
#include <vtkType.h>
#include <vtkVariant.h>

class vtkAbstractArray;
class vtkTable;

/// Reads the case identifiers of a pipeline table, whose column 0 holds them.
class RecordTableUtils
{
public:
  /// 0 when the table has no such row or no columns.
  static uint64_t caseIDAtRow(vtkTable* table, vtkIdType row);
  /// The identifier in a row of a case-id column; 0 when there is no such row.
  static uint64_t caseID(vtkAbstractArray* column, vtkIdType row);
  /// The identifiers of all rows, in row order.
  static std::vector<uint64_t> caseIDs(vtkTable* table);
  /// A cell as the user entered it: an invalid variant for NULL, a NaN double for NaN (unlike
  /// vtkTable::GetValue, which shows the numbers stored in their place).
  static vtkVariant cellValue(vtkTable* table, vtkIdType row, vtkIdType column);
};
