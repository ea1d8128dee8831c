#pragma once

#include "host/common/Variant.h"
#include "host/project/ValueType.h"

#include <string>
#include <utility>
#include <vector>
#include <vtkAbstractArray.h>
#include <vtkSmartPointer.h>

/// The values of one variable for every record, in record order, kept in the VTK array that the
/// pipeline hands out as the variable's column: integers in a vtkIdTypeArray, reals in a
/// vtkDoubleArray (both remembering their NaN and NULL rows), text in a vtkStringArray.
class VariableColumn
{
public:
  VariableColumn(ValueType type, const std::string& name);

  ValueType type() const { return m_type; }
  vtkIdType size() const;
  /// The array itself: readers must not change it, the project does that.
  vtkAbstractArray* array() const { return m_array; }
  void setName(const std::string& name);

  Variant value(vtkIdType row) const;
  /// Throws ProjectError when the value does not fit the column (text in a numeric column).
  void setValue(vtkIdType row, const Variant& value);
  void append(const Variant& value);
  /// Prepares an empty column for that many appends.
  void reserve(vtkIdType rows);
  /// Gives back storage beyond the values held.
  void squeeze();
  /// Makes the column that long; new rows are NULL.
  void resize(vtkIdType rows);
  /// Removes the given rows, which must be ascending.
  void removeRows(const std::vector<vtkIdType>& rows);
  /// Inserts values so that they end up at the given ascending positions.
  void insertRows(const std::vector<vtkIdType>& positions, const std::vector<Variant>& values);

  /// Smallest and largest number held, (0, 0) when there is none.
  std::pair<double, double> range() const;
  bool hasSpecialValues() const;
  /// How many rows hold a finite number; found with the range, in the same pass.
  vtkIdType numberCount() const;
  /// Whether the value can be stored without losing its meaning.
  bool accepts(const Variant& value) const;

private:
  /// Calls f with the column's array as its concrete class.
  template<class F>
  decltype(auto) visit(F&& f) const;
  /// Finds the range and the count of numbers once after each change of the values.
  void summarizeNumbers() const;

  ValueType m_type;
  vtkSmartPointer<vtkAbstractArray> m_array;
  mutable std::pair<double, double> m_range{ 0.0, 0.0 };
  mutable vtkIdType m_numberCount = 0;
  mutable bool m_rangeValid = false;
};
