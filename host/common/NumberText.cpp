#include "host/common/NumberText.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace
{

std::string trimmed(const std::string& text)
{
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return text.substr(begin, end - begin);
}

std::string lowered(std::string text)
{
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool isInfinityText(const std::string& lower, double& value)
{
  std::string body = lower;
  double sign = 1.0;
  if (!body.empty() && (body[0] == '+' || body[0] == '-'))
  {
    sign = body[0] == '-' ? -1.0 : 1.0;
    body.erase(0, 1);
  }
  if (body != "inf" && body != "infinity")
    return false;
  value = sign * HUGE_VAL;
  return true;
}

bool hasOnlyDigits(const std::string& text, std::size_t from)
{
  if (from >= text.size())
    return false;
  for (std::size_t i = from; i < text.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i])))
      return false;
  return true;
}

/// Whether the digits of a decimal text are all zero, so that a zero result is exact.
bool writesZero(const std::string& text)
{
  for (char c : text)
  {
    if (c == 'e' || c == 'E')
      break;
    if (c >= '1' && c <= '9')
      return false;
  }
  return true;
}

} // namespace

NumberTextStatus parseRealNumber(const std::string& text, double& value)
{
  const std::string lower = lowered(trimmed(text));
  if (lower.empty())
    return NumberTextStatus::NotANumber;
  if (isInfinityText(lower, value))
    return NumberTextStatus::Ok;
  // strtod also reads hexadecimal, "nan" and "inf" prefixes, which are not numbers here.
  if (lower.find_first_of("xpni") != std::string::npos)
    return NumberTextStatus::NotANumber;
  char* end = nullptr;
  errno = 0;
  const double parsed = std::strtod(lower.c_str(), &end);
  if (end != lower.c_str() + lower.size())
    return NumberTextStatus::NotANumber;
  if (std::isinf(parsed) || (parsed == 0.0 && !writesZero(lower)))
    return NumberTextStatus::OutOfRange;
  value = parsed;
  return NumberTextStatus::Ok;
}

NumberTextStatus parseWholeNumber(const std::string& text, int64_t& value)
{
  const std::string body = trimmed(text);
  const std::size_t digitsFrom = !body.empty() && (body[0] == '+' || body[0] == '-') ? 1 : 0;
  if (hasOnlyDigits(body, digitsFrom))
  {
    errno = 0;
    const long long parsed = std::strtoll(body.c_str(), nullptr, 10);
    if (errno == ERANGE)
      return NumberTextStatus::OutOfRange;
    value = parsed;
    return NumberTextStatus::Ok;
  }
  double real = 0.0;
  const NumberTextStatus status = parseRealNumber(body, real);
  if (status != NumberTextStatus::Ok)
    return status;
  const double exactLimit = 9007199254740992.0; // 2^53: beyond it a double is no exact integer
  if (std::isinf(real) || std::fabs(real) > exactLimit)
    return NumberTextStatus::OutOfRange;
  if (std::trunc(real) != real)
    return NumberTextStatus::NotANumber;
  value = static_cast<int64_t>(real);
  return NumberTextStatus::Ok;
}

NumberTextStatus parseCaseId(const std::string& text, uint64_t& value)
{
  const std::string body = trimmed(text);
  const std::size_t digitsFrom = !body.empty() && body[0] == '+' ? 1 : 0;
  if (!hasOnlyDigits(body, digitsFrom))
    return NumberTextStatus::NotANumber;
  errno = 0;
  const unsigned long long parsed = std::strtoull(body.c_str() + digitsFrom, nullptr, 10);
  if (errno == ERANGE)
    return NumberTextStatus::OutOfRange;
  value = parsed;
  return NumberTextStatus::Ok;
}
