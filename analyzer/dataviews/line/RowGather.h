#pragma once

#include <cstdint>
#include <vector>
#include <vtkSmartPointer.h>
#include <vtkType.h>

class vtkTable;

// Row copies between tables of the same columns (names and array types), NaN and NULL marks
// included. Whole columns are copied at once: a row-by-row copy through vtkVariant is far too
// slow for a million rows.

/// Fills target with the given source rows in the given order.
void gatherRows(vtkTable* source, const std::vector<vtkIdType>& rows, vtkTable* target);

/// Splits source into groupCount tables: row r goes to table groupOfRow[r], rows keep their
/// order. Reads the source once, in order, writing each group's rows in sequence.
std::vector<vtkSmartPointer<vtkTable>> scatterRows(vtkTable* source,
  const std::vector<uint32_t>& groupOfRow,
  uint32_t groupCount);
