#include "host/project/VariableColumn.h"

#include "host/project/ProjectError.h"
#include "host/vtkutil/vtkNanNullValueArray.h"

#include <vtkStringArray.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

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

/// An empty numeric array, without infinities until a value written says otherwise.
template<class Array>
vtkSmartPointer<vtkAbstractArray> makeNumericArray()
{
  auto array = vtkSmartPointer<Array>::New();
  array->setWithoutInfinities(true);
  return array;
}

vtkSmartPointer<vtkAbstractArray> makeArray(ValueType type)
{
  switch (type)
  {
    case ValueType::Integer:
      return makeNumericArray<vtkNanNullIdTypeArray>();
    case ValueType::Real:
      return makeNumericArray<vtkNanNullDoubleArray>();
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

template<class Array>
constexpr bool isText = std::is_same_v<Array, vtkStringArray>;

struct NumberSummary
{
  std::pair<double, double> range{ 0.0, 0.0 };
  vtkIdType count = 0;
};

/// Smallest and largest value and how many there are, special rows and infinities left out.
template<class Array>
NumberSummary summaryOf(Array& array)
{
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  vtkIdType count = 0;
  for (vtkIdType row = 0; row < array.GetNumberOfValues(); ++row)
  {
    if (array.special(row) != Array::None)
      continue;
    const double value = static_cast<double>(array.GetValue(row));
    if (!std::isfinite(value))
      continue;
    low = std::min(low, value);
    high = std::max(high, value);
    ++count;
  }
  if (count == 0)
    return {};
  return { { low, high }, count };
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

template<class F>
decltype(auto) VariableColumn::visit(F&& f) const
{
  switch (m_type)
  {
    case ValueType::Integer:
      return f(*static_cast<vtkNanNullIdTypeArray*>(m_array.Get()));
    case ValueType::Real:
      return f(*static_cast<vtkNanNullDoubleArray*>(m_array.Get()));
    default:
      return f(*static_cast<vtkStringArray*>(m_array.Get()));
  }
}

Variant VariableColumn::value(vtkIdType row) const
{
  return visit(
    [row](auto& array) -> Variant
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (isText<Array>)
      {
        const std::string& text = array.GetValue(row);
        return text.empty() ? Variant::null() : Variant(text);
      }
      else
      {
        switch (array.special(row))
        {
          case Array::NaN:
            return Variant::nan();
          case Array::Null:
            return Variant::null();
          default:
            return Variant(array.GetValue(row));
        }
      }
    });
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
  visit(
    [&](auto& array)
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (isText<Array>)
        array.SetValue(row, value.isNull() ? std::string() : value.toString());
      else
      {
        if constexpr (std::is_same_v<Array, vtkNanNullDoubleArray>)
        {
          const double number = value.isSpecial() ? notANumber : value.doubleValue();
          array.SetValue(row, number);
          // Once an infinity was written the column is read in full again, even after the
          // value is gone: cheap to keep, and never wrong.
          if (std::isinf(number))
            array.setWithoutInfinities(false);
        }
        else
          array.SetValue(row, value.longValue());
        array.setSpecial(row,
          value.isNull()  ? Array::Null
          : value.isNaN() ? Array::NaN
                          : Array::None);
      }
    });
}

void VariableColumn::append(const Variant& value)
{
  // InsertNextValue grows the storage geometrically; SetNumberOfValues would reallocate.
  visit(
    [](auto& array)
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (isText<Array>)
        array.InsertNextValue(std::string());
      else
        array.InsertNextValue(0);
    });
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

void VariableColumn::removeRows(const std::vector<vtkIdType>& rows)
{
  if (rows.empty())
    return;
  m_rangeValid = false;
  const vtkIdType oldSize = size();
  visit(
    [&](auto& array)
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (!isText<Array>)
        removeFlags(array, oldSize, rows);
      const vtkIdType length = compactRows(
        oldSize,
        rows,
        [&](vtkIdType i) { return array.GetValue(i); },
        [&](vtkIdType i, const auto& value) { array.SetValue(i, value); });
      array.SetNumberOfValues(length);
    });
}

void VariableColumn::insertRows(const std::vector<vtkIdType>& positions,
  const std::vector<Variant>& values)
{
  if (positions.empty())
    return;
  const vtkIdType oldSize = size();
  visit(
    [&](auto& array)
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (!isText<Array>)
        spreadFlags(array, oldSize, positions);
      array.SetNumberOfValues(oldSize + static_cast<vtkIdType>(positions.size()));
      spreadRows(
        oldSize,
        positions,
        [&](vtkIdType i) { return array.GetValue(i); },
        [&](vtkIdType i, const auto& value) { array.SetValue(i, value); });
    });
  for (std::size_t i = 0; i < positions.size(); ++i)
    setValue(positions[i], values[i]);
  // Growing a VTK array doubles its storage; a project column keeps only what it holds.
  squeeze();
}

std::pair<double, double> VariableColumn::range() const
{
  summarizeNumbers();
  return m_range;
}

vtkIdType VariableColumn::numberCount() const
{
  summarizeNumbers();
  return m_numberCount;
}

void VariableColumn::summarizeNumbers() const
{
  if (m_rangeValid)
    return;
  const NumberSummary summary = visit(
    [](auto& array)
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (isText<Array>)
        return NumberSummary();
      else
        return summaryOf(array);
    });
  m_range = summary.range;
  m_numberCount = summary.count;
  m_rangeValid = true;
}

bool VariableColumn::hasSpecialValues() const
{
  return visit(
    [](auto& array)
    {
      using Array = std::decay_t<decltype(array)>;
      if constexpr (isText<Array>)
        return false;
      else
        return array.hasSpecialValues();
    });
}
