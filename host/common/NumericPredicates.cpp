#include "host/common/NumericPredicates.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

const char* const nanText = "NaN";
const char* const nullText = "NULL";

namespace
{

bool isBlank(char c)
{
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

/// The text without surrounding blanks, lower-cased.
std::string normalized(const std::string& text)
{
  std::string result;
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isBlank(text[begin]))
    ++begin;
  while (end > begin && isBlank(text[end - 1]))
    --end;
  for (std::size_t i = begin; i < end; ++i)
    result += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
  return result;
}

} // namespace

bool isNanNumericInputValue(const std::string& text)
{
  const std::string value = normalized(text);
  return value == "nan" || value == "+nan" || value == "-nan";
}

bool isNanNumericInputValue(const QString& text)
{
  return isNanNumericInputValue(text.toStdString());
}

bool isNullInputValue(const std::string& text)
{
  return normalized(text) == "null";
}

bool isNullInputValue(const QString& text)
{
  return isNullInputValue(text.toStdString());
}

bool isNanNumericValue(double value)
{
  return std::isnan(value);
}

bool isCompleteNumber(const std::string& text)
{
  const std::string value = normalized(text);
  if (value.empty() || value.find_first_of("xp") != std::string::npos)
    return false; // strtod would also take hexadecimal numbers, which nobody types here
  if (value.find("nan") != std::string::npos || value.find("inf") != std::string::npos)
    return false;
  char* end = nullptr;
  std::strtod(value.c_str(), &end);
  return end == value.c_str() + value.size();
}
