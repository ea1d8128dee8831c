#include "analyzer/dataviews/line/ColumnKeys.h"

#include "host/vtkutil/vtkNanNullValueArray.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <variant>
#include <vtkDataArray.h>
#include <vtkStringArray.h>
#include <vtkVariant.h>

namespace
{

enum Kind : unsigned char
{
  Missing = 0,
  NotANumber = 1,
  Ordinary = 2
};

using Values = std::variant<std::vector<double>,
  std::vector<int64_t>,
  std::vector<uint64_t>,
  std::vector<std::string_view>,
  std::vector<vtkVariant>>;

/// Integers keep their exact values (vtkVariant compares them exactly); reals become doubles,
/// which keeps the order and equality of floats.
template<class Stored>
using KeyOf = std::conditional_t<std::is_floating_point<Stored>::value,
  double,
  std::conditional_t<std::is_signed<Stored>::value, int64_t, uint64_t>>;

template<class Stored>
Values readNumbers(const Stored* data, vtkIdType count, std::vector<unsigned char>& kinds)
{
  std::vector<KeyOf<Stored>> keys(data, data + count);
  if constexpr (std::is_floating_point<Stored>::value)
    for (vtkIdType row = 0; row < count; ++row)
      if (std::isnan(keys[row]))
        kinds[row] = NotANumber;
  return keys;
}

template<class Array>
void readSpecialFlags(vtkAbstractArray* column, std::vector<unsigned char>& kinds)
{
  auto* flagged = Array::SafeDownCast(column);
  if (!flagged)
    return;
  const auto& flags = flagged->specialFlags();
  for (std::size_t row = 0; row < flags.size() && row < kinds.size(); ++row)
    if (flags[row] == Array::Null)
      kinds[row] = Missing;
    else if (flags[row] == Array::NaN)
      kinds[row] = NotANumber;
}

Values readVariants(vtkAbstractArray* column, vtkIdType count, std::vector<unsigned char>& kinds)
{
  std::vector<vtkVariant> values(static_cast<std::size_t>(count));
  for (vtkIdType row = 0; row < count; ++row)
  {
    values[row] = column->GetVariantValue(row);
    if (!values[row].IsValid())
      kinds[row] = Missing;
    else if ((values[row].IsDouble() || values[row].IsFloat()) &&
             std::isnan(values[row].ToDouble()))
      kinds[row] = NotANumber;
  }
  return values;
}

template<class Key>
bool before(const std::pair<Key, vtkIdType>& a, const std::pair<Key, vtkIdType>& b)
{
  if (a.first < b.first)
    return true;
  if (b.first < a.first)
    return false;
  return a.second < b.second;
}

template<class Key>
std::vector<vtkIdType> sortRows(const std::vector<Key>& keys,
  const std::vector<unsigned char>& kinds)
{
  const auto count = static_cast<vtkIdType>(kinds.size());
  std::vector<vtkIdType> rows;
  rows.reserve(kinds.size());
  for (unsigned char special : { Missing, NotANumber })
    for (vtkIdType row = 0; row < count; ++row)
      if (kinds[row] == special)
        rows.push_back(row);

  std::vector<std::pair<Key, vtkIdType>> ordinary;
  ordinary.reserve(kinds.size() - rows.size());
  for (vtkIdType row = 0; row < count; ++row)
    if (kinds[row] == Ordinary)
      ordinary.emplace_back(keys[row], row);
  if constexpr (std::is_same<Key, vtkVariant>::value)
  {
    // vtkVariant's own order need not be a strict weak order across types: merge sorting stays
    // safe with it, and the rows arrive in input order, so equal values keep that order.
    std::stable_sort(ordinary.begin(),
      ordinary.end(),
      [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  else
    std::sort(
      ordinary.begin(), ordinary.end(), [](const auto& a, const auto& b) { return before(a, b); });
  for (const auto& entry : ordinary)
    rows.push_back(entry.second);
  return rows;
}

/// Ranks for one special kind come first, in the order of the kinds.
uint32_t rankSpecials(const std::vector<unsigned char>& kinds, std::vector<uint32_t>& ranks)
{
  uint32_t next = 0;
  for (unsigned char special : { Missing, NotANumber })
  {
    if (std::find(kinds.begin(), kinds.end(), special) == kinds.end())
      continue;
    for (std::size_t row = 0; row < kinds.size(); ++row)
      if (kinds[row] == special)
        ranks[row] = next;
    ++next;
  }
  return next;
}

/// Hashes each value once and orders only the distinct values.
template<class Key>
uint32_t rankByHashing(const std::vector<Key>& keys,
  const std::vector<unsigned char>& kinds,
  std::vector<uint32_t>& ranks)
{
  const uint32_t first = rankSpecials(kinds, ranks);
  std::unordered_map<Key, uint32_t> ids;
  std::vector<Key> distinct;
  for (std::size_t row = 0; row < kinds.size(); ++row)
  {
    if (kinds[row] != Ordinary)
      continue;
    const auto found = ids.emplace(keys[row], static_cast<uint32_t>(distinct.size()));
    if (found.second)
      distinct.push_back(keys[row]);
    ranks[row] = found.first->second;
  }
  std::vector<uint32_t> order(distinct.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(),
    order.end(),
    [&distinct](uint32_t a, uint32_t b) { return distinct[a] < distinct[b]; });
  std::vector<uint32_t> rankOfId(distinct.size());
  for (uint32_t position = 0; position < order.size(); ++position)
    rankOfId[order[position]] = first + position;
  for (std::size_t row = 0; row < kinds.size(); ++row)
    if (kinds[row] == Ordinary)
      ranks[row] = rankOfId[ranks[row]];
  return first + static_cast<uint32_t>(distinct.size());
}

/// Without a hash, equal values are found as neighbours in sorted order.
uint32_t rankBySorting(const std::vector<vtkVariant>& keys,
  const std::vector<unsigned char>& kinds,
  std::vector<uint32_t>& ranks)
{
  uint32_t next = 0;
  const std::vector<vtkIdType> rows = sortRows(keys, kinds);
  for (std::size_t i = 0; i < rows.size(); ++i)
  {
    const vtkIdType row = rows[i];
    if (i > 0)
    {
      const vtkIdType previous = rows[i - 1];
      const bool same =
        kinds[row] == kinds[previous] && (kinds[row] != Ordinary || keys[row] == keys[previous]);
      next += same ? 0 : 1;
    }
    ranks[row] = next;
  }
  return rows.empty() ? 0 : next + 1;
}

} // namespace

struct ColumnKeys::Impl
{
  std::vector<unsigned char> kinds;
  Values values;
};

ColumnKeys::ColumnKeys(vtkAbstractArray* column)
  : m_impl(std::make_unique<Impl>())
{
  const vtkIdType count = column->GetNumberOfTuples();
  m_impl->kinds.assign(static_cast<std::size_t>(count), Ordinary);
  auto& kinds = m_impl->kinds;
  auto* numbers = vtkDataArray::SafeDownCast(column);
  auto* texts = vtkStringArray::SafeDownCast(column);
  if (texts)
  {
    std::vector<std::string_view> keys(static_cast<std::size_t>(count));
    for (vtkIdType row = 0; row < count; ++row)
      keys[row] = texts->GetValue(row);
    m_impl->values = std::move(keys);
  }
  else if (numbers && numbers->HasStandardMemoryLayout())
  {
    switch (numbers->GetDataType())
    {
      vtkTemplateMacro(m_impl->values = readNumbers(
                         static_cast<const VTK_TT*>(numbers->GetVoidPointer(0)), count, kinds));
      default:
        m_impl->values = readVariants(column, count, kinds);
    }
    readSpecialFlags<vtkNanNullDoubleArray>(column, kinds);
    readSpecialFlags<vtkNanNullIdTypeArray>(column, kinds);
  }
  else
    m_impl->values = readVariants(column, count, kinds);
}

ColumnKeys::~ColumnKeys() = default;

vtkIdType ColumnKeys::size() const
{
  return static_cast<vtkIdType>(m_impl->kinds.size());
}

std::vector<vtkIdType> ColumnKeys::sortedRows() const
{
  return std::visit(
    [this](const auto& keys) { return sortRows(keys, m_impl->kinds); }, m_impl->values);
}

std::vector<uint32_t> ColumnKeys::valueRanks(uint32_t& distinctCount) const
{
  std::vector<uint32_t> ranks(m_impl->kinds.size());
  distinctCount = std::visit(
    [this, &ranks](const auto& keys)
    {
      using Key = typename std::decay_t<decltype(keys)>::value_type;
      if constexpr (std::is_same<Key, vtkVariant>::value)
        return rankBySorting(keys, m_impl->kinds, ranks);
      else
        return rankByHashing(keys, m_impl->kinds, ranks);
    },
    m_impl->values);
  return ranks;
}
