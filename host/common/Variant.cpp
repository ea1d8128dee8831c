#include "host/common/Variant.h"

#include "host/common/NumberText.h"
#include "host/common/NumericPredicates.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace
{

bool parseInteger(const std::string& text, int64_t& value)
{
  const std::size_t digitsFrom = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (text.size() == digitsFrom ||
      text.find_first_not_of("0123456789", digitsFrom) != std::string::npos)
    return false;
  return parseWholeNumber(text, value) == NumberTextStatus::Ok;
}

bool parseReal(const std::string& text, double& value)
{
  return parseRealNumber(text, value) == NumberTextStatus::Ok;
}

std::string trimmed(const std::string& text)
{
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::string realText(double value)
{
  char buffer[32];
  // The shortest of the usual precisions that reads back exactly keeps documents readable.
  for (int precision : { 15, 16, 17 })
  {
    std::snprintf(buffer, sizeof(buffer), "%.*g", precision, value);
    if (std::strtod(buffer, nullptr) == value)
      break;
  }
  return buffer;
}

} // namespace

Variant::Variant(double value)
  : m_kind(std::isnan(value) ? Kind::NaN : Kind::Real)
  , m_real(std::isnan(value) ? 0.0 : value)
{
}

Variant::Variant(std::string text)
  : m_kind(Kind::Text)
  , m_text(std::move(text))
{
}

Variant::Variant(const char* text)
  : Variant(std::string(text))
{
}

Variant Variant::nan()
{
  return Variant(std::numeric_limits<double>::quiet_NaN());
}

Variant Variant::fromText(const std::string& text)
{
  if (isNanNumericInputValue(text))
    return nan();
  if (isNullInputValue(text))
    return null();
  Variant number;
  if (::parseNumber(text, number) == NumberTextStatus::Ok)
    return number;
  return Variant(text);
}

NumberTextStatus parseNumber(const std::string& text, Variant& value)
{
  const std::string number = trimmed(text);
  int64_t integer = 0;
  if (parseInteger(number, integer))
  {
    value = Variant(integer);
    return NumberTextStatus::Ok;
  }
  double real = 0.0;
  const NumberTextStatus status = parseRealNumber(number, real);
  if (status == NumberTextStatus::Ok)
    value = Variant(real);
  return status;
}

double Variant::doubleValue() const
{
  switch (m_kind)
  {
    case Kind::Integer:
      return static_cast<double>(m_integer);
    case Kind::Real:
      return m_real;
    case Kind::Text:
    {
      double value = 0.0;
      return parseReal(trimmed(m_text), value) ? value : std::numeric_limits<double>::quiet_NaN();
    }
    default:
      return std::numeric_limits<double>::quiet_NaN();
  }
}

int64_t Variant::longValue() const
{
  switch (m_kind)
  {
    case Kind::Integer:
      return m_integer;
    case Kind::Real:
      return std::isfinite(m_real) ? std::llround(m_real) : 0;
    case Kind::Text:
    {
      const double value = doubleValue();
      return std::isfinite(value) ? std::llround(value) : 0;
    }
    default:
      return 0;
  }
}

std::string Variant::toString() const
{
  switch (m_kind)
  {
    case Kind::Null:
      return nullText;
    case Kind::NaN:
      return nanText;
    case Kind::Integer:
      return std::to_string(m_integer);
    case Kind::Real:
      return realText(m_real);
    case Kind::Text:
      return m_text;
  }
  return {};
}

bool Variant::operator==(const Variant& other) const
{
  if (m_kind != other.m_kind)
    return false;
  switch (m_kind)
  {
    case Kind::Integer:
      return m_integer == other.m_integer;
    case Kind::Real:
      return m_real == other.m_real;
    case Kind::Text:
      return m_text == other.m_text;
    default:
      return true;
  }
}
