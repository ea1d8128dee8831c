#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

/// One value of a case for a variable: an integer, a real number, a text, or one of the two
/// special values NaN (not a number) and NULL (no value).
class Variant
{
public:
  enum class Kind : unsigned char
  {
    Null,
    NaN,
    Integer,
    Real,
    Text
  };

  Variant() = default;
  template<class T, std::enable_if_t<std::is_integral<T>::value, int> = 0>
  Variant(T value)
    : m_kind(Kind::Integer)
    , m_integer(static_cast<int64_t>(value))
  {
  }
  /// A NaN double becomes the NaN value.
  Variant(double value);
  Variant(std::string text);
  Variant(const char* text);

  static Variant null() { return Variant(); }
  static Variant nan();
  /// Reads text as the user typed it: "NaN" and "NULL" (any case) give the special values,
  /// complete integer and real numbers give numbers, anything else stays text.
  static Variant fromText(const std::string& text);

  Kind kind() const { return m_kind; }
  bool isNull() const { return m_kind == Kind::Null; }
  bool isNaN() const { return m_kind == Kind::NaN; }
  bool isSpecial() const { return isNull() || isNaN(); }
  bool isNumeric() const { return m_kind == Kind::Integer || m_kind == Kind::Real; }
  bool isText() const { return m_kind == Kind::Text; }

  /// NaN for the special values and for text that is not a number.
  double doubleValue() const;
  /// Reals are rounded to the nearest integer; 0 for the special values and non-numeric text.
  int64_t longValue() const;
  /// "NULL", "NaN", the shortest text that reads back as the same number, or the text.
  std::string toString() const;

  bool operator==(const Variant& other) const;
  bool operator!=(const Variant& other) const { return !(*this == other); }

private:
  Kind m_kind = Kind::Null;
  union
  {
    int64_t m_integer;
    double m_real = 0.0;
  };
  std::string m_text;
};
