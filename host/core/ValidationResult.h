#pragma once

#include <string>
#include <utility>

namespace vantor
{

/// Outcome of validating a value: valid by default, or invalid with a reason.
class ValidationResult
{
public:
  ValidationResult() = default;
  static ValidationResult invalid(std::string reason)
  {
    ValidationResult result;
    result.m_valid = false;
    result.m_error = std::move(reason);
    return result;
  }

  bool isValid() const { return m_valid; }
  const std::string& errorString() const { return m_error; }

private:
  bool m_valid = true;
  std::string m_error;
};

} // namespace vantor
