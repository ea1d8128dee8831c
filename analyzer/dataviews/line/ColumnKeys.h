#pragma once

#include <cstdint>
#include <memory>
#include <vector>
#include <vtkType.h>

class vtkAbstractArray;

/// One table column read once into typed values (reals, signed or unsigned integers, text), so
/// that rows can be ordered and grouped without building a vtkVariant per comparison.
///
/// Values are ordered as vtkVariant::operator< orders them: missing values before all others,
/// numbers by value, text character by character. NaN, which that operator leaves unordered,
/// comes right after the missing values, as vtkVariantVariableValueLessThan(true) puts it, so
/// that the order stays a strict weak order. Values are equal as vtkVariant::operator== says,
/// except that all NaN are one value.
class ColumnKeys
{
public:
  explicit ColumnKeys(vtkAbstractArray* column);
  ~ColumnKeys();
  ColumnKeys(const ColumnKeys&) = delete;
  ColumnKeys& operator=(const ColumnKeys&) = delete;

  vtkIdType size() const;
  /// The row numbers in ascending value order; rows of equal values keep their input order.
  std::vector<vtkIdType> sortedRows() const;
  /// Each row's position among the column's distinct values in ascending order.
  std::vector<uint32_t> valueRanks(uint32_t& distinctCount) const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
