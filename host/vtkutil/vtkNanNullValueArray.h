#pragma once

#include <vtkDoubleArray.h>
#include <vtkIdTypeArray.h>
#include <vtkObjectFactory.h>
#include <vtkVariant.h>

#include <limits>
#include <vector>

/// A numeric column that remembers which of its rows hold NaN or NULL. Numeric readers see the
/// stored placeholder (NaN in real columns); reading a row as a vtkVariant gives an invalid
/// variant for NULL and a NaN double for NaN, so that tables show what the user entered.
/// A writer that sees every value it stores may also vouch that no row holds an infinity, so
/// that readers tell an all-finite column apart without reading it.
template<class BaseArray>
class vtkNanNullValueArray : public BaseArray
{
public:
  /// Per-row flag values; the flags are kept only once some row is special.
  enum Special : unsigned char
  {
    None = 0,
    NaN = 1,
    Null = 2
  };

  vtkTemplateTypeMacro(vtkNanNullValueArray<BaseArray>, BaseArray);
  static vtkNanNullValueArray* New() { VTK_STANDARD_NEW_BODY(vtkNanNullValueArray); }

  Special special(vtkIdType row) const
  {
    return row >= 0 && static_cast<std::size_t>(row) < m_flags.size()
             ? static_cast<Special>(m_flags[static_cast<std::size_t>(row)])
             : None;
  }
  void setSpecial(vtkIdType row, Special value)
  {
    if (value != None && m_flags.size() < static_cast<std::size_t>(this->GetNumberOfValues()))
      m_flags.resize(static_cast<std::size_t>(this->GetNumberOfValues()), None);
    if (static_cast<std::size_t>(row) >= m_flags.size())
      return;
    unsigned char& flag = m_flags[static_cast<std::size_t>(row)];
    m_count += (value != None) - (flag != None);
    flag = value;
  }
  bool hasSpecialValues() const { return m_count != 0; }
  /// Empty, or one flag per row.
  const std::vector<unsigned char>& specialFlags() const { return m_flags; }
  /// Whether the writer vouches that no row holds an infinity; false for a new array, since
  /// VTK's own setters do not keep it.
  bool withoutInfinities() const { return m_withoutInfinities; }
  void setWithoutInfinities(bool without) { m_withoutInfinities = without; }
  /// Every row a finite number, as far as the flags and the writer's word tell.
  bool knownFinite() const { return m_withoutInfinities && !hasSpecialValues(); }

  void setSpecialFlags(std::vector<unsigned char> flags)
  {
    m_flags = std::move(flags);
    m_count = 0;
    for (unsigned char flag : m_flags)
      m_count += flag != None;
    if (m_count == 0)
      m_flags.clear();
  }

  vtkVariant GetVariantValue(vtkIdType valueIdx) override
  {
    switch (special(valueIdx))
    {
      case Null:
        return vtkVariant();
      case NaN:
        return vtkVariant(std::numeric_limits<double>::quiet_NaN());
      default:
        return BaseArray::GetVariantValue(valueIdx);
    }
  }

  using BaseArray::DeepCopy;
  void DeepCopy(vtkDataArray* other) override
  {
    BaseArray::DeepCopy(other);
    copySpecials(other);
  }

  using BaseArray::ShallowCopy;
  void ShallowCopy(vtkDataArray* other) override
  {
    BaseArray::ShallowCopy(other);
    copySpecials(other);
  }

  void Initialize() override
  {
    BaseArray::Initialize();
    setSpecialFlags({});
    m_withoutInfinities = false;
  }

protected:
  vtkNanNullValueArray() = default;
  ~vtkNanNullValueArray() override = default;

private:
  void copySpecials(vtkDataArray* other)
  {
    auto* source = vtkNanNullValueArray::SafeDownCast(other);
    if (source == this)
      return;
    setSpecialFlags(source ? source->m_flags : std::vector<unsigned char>());
    m_withoutInfinities = source && source->m_withoutInfinities;
  }

  std::vector<unsigned char> m_flags;
  vtkIdType m_count = 0;
  bool m_withoutInfinities = false;

  vtkNanNullValueArray(const vtkNanNullValueArray&) = delete;
  void operator=(const vtkNanNullValueArray&) = delete;
};

using vtkNanNullDoubleArray = vtkNanNullValueArray<vtkDoubleArray>;
using vtkNanNullIdTypeArray = vtkNanNullValueArray<vtkIdTypeArray>;
