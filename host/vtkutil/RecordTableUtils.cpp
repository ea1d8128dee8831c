#include "host/vtkutil/RecordTableUtils.h"

#include <vtkIdTypeArray.h>
#include <vtkTable.h>

namespace
{

vtkAbstractArray* caseIdColumn(vtkTable* table)
{
  return table && table->GetNumberOfColumns() > 0 ? table->GetColumn(0) : nullptr;
}

} // namespace

uint64_t RecordTableUtils::caseIDAtRow(vtkTable* table, vtkIdType row)
{
  return caseID(caseIdColumn(table), row);
}

uint64_t RecordTableUtils::caseID(vtkAbstractArray* column, vtkIdType row)
{
  if (!column || row < 0 || row >= column->GetNumberOfValues())
    return 0;
  if (auto* ids = vtkArrayDownCast<vtkIdTypeArray>(column))
    return static_cast<uint64_t>(ids->GetValue(row));
  return column->GetVariantValue(row).ToTypeUInt64();
}

std::vector<uint64_t> RecordTableUtils::caseIDs(vtkTable* table)
{
  std::vector<uint64_t> result;
  vtkAbstractArray* column = caseIdColumn(table);
  if (!column)
    return result;
  result.reserve(static_cast<std::size_t>(column->GetNumberOfValues()));
  for (vtkIdType row = 0; row < column->GetNumberOfValues(); ++row)
    result.push_back(caseIDAtRow(table, row));
  return result;
}

vtkVariant RecordTableUtils::cellValue(vtkTable* table, vtkIdType row, vtkIdType column)
{
  vtkAbstractArray* array = table ? table->GetColumn(column) : nullptr;
  if (!array || row < 0 || row >= array->GetNumberOfTuples() || array->GetNumberOfComponents() != 1)
    return table ? table->GetValue(row, column) : vtkVariant();
  return array->GetVariantValue(row);
}
