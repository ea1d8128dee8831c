#include "host/vtkutil/vtkVariantVariableValueLessThan.h"

#include "host/common/VariantConversion.h"

#include <vtkVariant.h>

namespace
{

/// Position of a value's kind: numbers, text, NaN, NULL; or NULL, NaN, numbers, text.
int rank(const Variant& value, bool specialValuesFirst)
{
  static const int specialsLast[] = { 3, 2, 0, 0, 1 };
  static const int specialsFirst[] = { 0, 1, 2, 2, 3 };
  const auto kind = static_cast<int>(value.kind());
  return specialValuesFirst ? specialsFirst[kind] : specialsLast[kind];
}

/// Empty text in a table cell is how NULL shows, so it sorts as NULL.
Variant sortValue(const vtkVariant& cell)
{
  if (cell.IsString() && cell.ToString().empty())
    return Variant::null();
  return toVariant(cell, true);
}

} // namespace

vtkVariantVariableValueLessThan::vtkVariantVariableValueLessThan(bool specialValuesFirst)
  : m_specialValuesFirst(specialValuesFirst)
{
}

bool vtkVariantVariableValueLessThan::operator()(const vtkVariant& left,
  const vtkVariant& right) const
{
  const Variant a = sortValue(left);
  const Variant b = sortValue(right);
  const int rankA = rank(a, m_specialValuesFirst);
  const int rankB = rank(b, m_specialValuesFirst);
  if (rankA != rankB)
    return rankA < rankB;
  if (a.isNumeric())
    return a.doubleValue() < b.doubleValue();
  if (a.isText())
    return a.toString() < b.toString();
  return false;
}
