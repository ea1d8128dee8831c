#include "host/project/VariableColumn.h"

#include "host/project/ProjectError.h"
#include "host/vtkutil/vtkSpecialValueArray.h"

#include <vtkStringArray.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

const double notANumber = std::numeric_limits<double>::quiet_NaN();

/// Moves every row not listed in the ascending `rows` down over the listed ones; returns the
/// new length.
template<class Get, class Set>
vtkIdType compactRows(vtkIdType size, const std::vector<vtkIdType>& rows, Get get, Set set)
{
  vtkIdType write = rows.front();
  std::size_t next = 0;
  for (vtkIdType read = rows.front(); read < size; ++read)
  {
    if (next < rows.size() && rows[next] == read)
    {
      ++next;
      continue;
    }
    set(write++, get(read));
  }
  return write;
}

/// Moves the first `oldSize` rows up so that the ascending `positions` are free; the storage
/// must already hold oldSize + positions.size() rows.
template<class Get, class Set>
void spreadRows(vtkIdType oldSize, const std::vector<vtkIdType>& positions, Get get, Set set)
{
  vtkIdType read = oldSize - 1;
  auto free = positions.rbegin();
  for (vtkIdType write = oldSize + static_cast<vtkIdType>(positions.size()) - 1; read >= 0; --write)
  {
    if (free != positions.rend() && *free == write)
    {
      ++free;
      continue;
    }
    set(write, get(read--));
  }
}

vtkSmartPointer<vtkAbstractArray> makeArray(ValueType type)
{
  switch (type)
  {
    case ValueType::Integer:
      return vtkSmartPointer<vtkSpecialValueIdTypeArray>::New();
    case ValueType::Real:
      return vtkSmartPointer<vtkSpecialValueDoubleArray>::New();
    case ValueType::Text:
      return vtkSmartPointer<vtkStringArray>::New();
  }
  return nullptr;
}

template<class Array>
void removeFlags(Array& array, vtkIdType size, const std::vector<vtkIdType>& rows)
{
  std::vector<unsigned char> flags = array.specialFlags();
  if (flags.empty())
    return;
  // Flags stop at the last row that was special when they were made.
  flags.resize(static_cast<std::size_t>(size), Array::None);
  const vtkIdType length = compactRows(
    size,
    rows,
    [&](vtkIdType i) { return flags[i]; },
    [&](vtkIdType i, unsigned char flag) { flags[i] = flag; });
  flags.resize(static_cast<std::size_t>(length));
  array.setSpecialFlags(std::move(flags));
}

template<class Array>
void spreadFlags(Array& array, vtkIdType oldSize, const std::vector<vtkIdType>& positions)
{
  std::vector<unsigned char> flags = array.specialFlags();
  if (flags.empty())
    return;
  flags.resize(static_cast<std::size_t>(oldSize) + positions.size(), Array::None);
  spreadRows(
    oldSize,
    positions,
    [&](vtkIdType i) { return flags[i]; },
    [&](vtkIdType i, unsigned char flag) { flags[i] = flag; });
  for (vtkIdType position : positions)
    flags[static_cast<std::size_t>(position)] = Array::None;
  array.setSpecialFlags(std::move(flags));
}

} // namespace

VariableColumn::VariableColumn(ValueType type, const std::string& name)
  : m_type(type)
  , m_array(makeArray(type))
{
  m_array->SetName(name.c_str());
}

vtkIdType VariableColumn::size() const
{
  return m_array->GetNumberOfValues();
}

void VariableColumn::setName(const std::string& name)
{
  m_array->SetName(name.c_str());
}

Variant VariableColumn::value(vtkIdType row) const
{
  switch (m_type)
  {
    case ValueType::Integer:
    {
      auto* integers = static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get());
      switch (integers->special(row))
      {
        case vtkSpecialValueIdTypeArray::NaN:
          return Variant::nan();
        case vtkSpecialValueIdTypeArray::Null:
          return Variant::null();
        default:
          return Variant(static_cast<int64_t>(integers->GetValue(row)));
      }
    }
    case ValueType::Real:
    {
      auto* reals = static_cast<vtkSpecialValueDoubleArray*>(m_array.Get());
      return reals->special(row) == vtkSpecialValueDoubleArray::Null
               ? Variant::null()
               : Variant(reals->GetValue(row));
    }
    case ValueType::Text:
    {
      const std::string& text = static_cast<vtkStringArray*>(m_array.Get())->GetValue(row);
      return text.empty() ? Variant::null() : Variant(text);
    }
  }
  return Variant::null();
}

bool VariableColumn::accepts(const Variant& value) const
{
  return m_type == ValueType::Text || !value.isText();
}

void VariableColumn::setValue(vtkIdType row, const Variant& value)
{
  if (!accepts(value))
    throw ProjectError("the text \"" + value.toString() + "\" of column \"" + m_array->GetName() +
                       "\" is not a number");
  m_rangeValid = false;
  switch (m_type)
  {
    case ValueType::Integer:
    {
      auto* integers = static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get());
      integers->SetValue(row, value.longValue());
      integers->setSpecial(row,
        value.isNull()  ? vtkSpecialValueIdTypeArray::Null
        : value.isNaN() ? vtkSpecialValueIdTypeArray::NaN
                        : vtkSpecialValueIdTypeArray::None);
      break;
    }
    case ValueType::Real:
    {
      auto* reals = static_cast<vtkSpecialValueDoubleArray*>(m_array.Get());
      reals->SetValue(row, value.isSpecial() ? notANumber : value.doubleValue());
      reals->setSpecial(row,
        value.isNull()  ? vtkSpecialValueDoubleArray::Null
        : value.isNaN() ? vtkSpecialValueDoubleArray::NaN
                        : vtkSpecialValueDoubleArray::None);
      break;
    }
    case ValueType::Text:
      static_cast<vtkStringArray*>(m_array.Get())
        ->SetValue(row, value.isNull() ? std::string() : value.toString());
      break;
  }
}

void VariableColumn::append(const Variant& value)
{
  // InsertNextValue grows the storage geometrically; SetNumberOfValues would reallocate.
  switch (m_type)
  {
    case ValueType::Integer:
      static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get())->InsertNextValue(0);
      break;
    case ValueType::Real:
      static_cast<vtkSpecialValueDoubleArray*>(m_array.Get())->InsertNextValue(0.0);
      break;
    case ValueType::Text:
      static_cast<vtkStringArray*>(m_array.Get())->InsertNextValue(std::string());
      break;
  }
  setValue(size() - 1, value);
}

void VariableColumn::reserve(vtkIdType rows)
{
  if (size() == 0)
    m_array->Allocate(rows);
}

void VariableColumn::squeeze()
{
  m_array->Squeeze();
}

void VariableColumn::resize(vtkIdType rows)
{
  const vtkIdType oldSize = size();
  m_array->SetNumberOfValues(rows);
  for (vtkIdType row = oldSize; row < rows; ++row)
    setValue(row, Variant::null());
  m_rangeValid = false;
}

template<class Array>
void VariableColumn::removeRowsOf(Array& array, const std::vector<vtkIdType>& rows)
{
  const vtkIdType length = compactRows(
    size(),
    rows,
    [&](vtkIdType i) { return array.GetValue(i); },
    [&](vtkIdType i, const auto& value) { array.SetValue(i, value); });
  array.SetNumberOfValues(length);
}

template<class Array>
void VariableColumn::insertRowsOf(Array& array, const std::vector<vtkIdType>& positions)
{
  const vtkIdType oldSize = size();
  array.SetNumberOfValues(oldSize + static_cast<vtkIdType>(positions.size()));
  spreadRows(
    oldSize,
    positions,
    [&](vtkIdType i) { return array.GetValue(i); },
    [&](vtkIdType i, const auto& value) { array.SetValue(i, value); });
}

void VariableColumn::removeRows(const std::vector<vtkIdType>& rows)
{
  if (rows.empty())
    return;
  m_rangeValid = false;
  switch (m_type)
  {
    case ValueType::Integer:
    {
      auto& integers = *static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get());
      removeFlags(integers, size(), rows);
      removeRowsOf(integers, rows);
      break;
    }
    case ValueType::Real:
    {
      auto& reals = *static_cast<vtkSpecialValueDoubleArray*>(m_array.Get());
      removeFlags(reals, size(), rows);
      removeRowsOf(reals, rows);
      break;
    }
    case ValueType::Text:
      removeRowsOf(*static_cast<vtkStringArray*>(m_array.Get()), rows);
      break;
  }
}

void VariableColumn::insertRows(const std::vector<vtkIdType>& positions,
  const std::vector<Variant>& values)
{
  if (positions.empty())
    return;
  switch (m_type)
  {
    case ValueType::Integer:
    {
      auto& integers = *static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get());
      spreadFlags(integers, size(), positions);
      insertRowsOf(integers, positions);
      break;
    }
    case ValueType::Real:
    {
      auto& reals = *static_cast<vtkSpecialValueDoubleArray*>(m_array.Get());
      spreadFlags(reals, size(), positions);
      insertRowsOf(reals, positions);
      break;
    }
    case ValueType::Text:
      insertRowsOf(*static_cast<vtkStringArray*>(m_array.Get()), positions);
      break;
  }
  for (std::size_t i = 0; i < positions.size(); ++i)
    setValue(positions[i], values[i]);
  // Growing a VTK array doubles its storage; a project column keeps only what it holds.
  squeeze();
}

template<class Array>
std::pair<double, double> VariableColumn::numericRange(Array& array) const
{
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (vtkIdType row = 0; row < array.GetNumberOfValues(); ++row)
  {
    if (array.special(row) != Array::None)
      continue;
    const double value = static_cast<double>(array.GetValue(row));
    if (!std::isfinite(value))
      continue;
    low = std::min(low, value);
    high = std::max(high, value);
  }
  return low <= high ? std::make_pair(low, high) : std::make_pair(0.0, 0.0);
}

std::pair<double, double> VariableColumn::range() const
{
  if (m_rangeValid)
    return m_range;
  switch (m_type)
  {
    case ValueType::Integer:
      m_range = numericRange(*static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get()));
      break;
    case ValueType::Real:
      m_range = numericRange(*static_cast<vtkSpecialValueDoubleArray*>(m_array.Get()));
      break;
    case ValueType::Text:
      m_range = { 0.0, 0.0 };
      break;
  }
  m_rangeValid = true;
  return m_range;
}

bool VariableColumn::hasSpecialValues() const
{
  switch (m_type)
  {
    case ValueType::Integer:
      return static_cast<vtkSpecialValueIdTypeArray*>(m_array.Get())->hasSpecialValues();
    case ValueType::Real:
      return static_cast<vtkSpecialValueDoubleArray*>(m_array.Get())->hasSpecialValues();
    case ValueType::Text:
      return false;
  }
  return false;
}
