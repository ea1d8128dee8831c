#pragma once

#include <exception>
#include <string>

namespace vantor
{

/// Base of every error this system throws on purpose.
class ExceptionBase : public std::exception
{
public:
  explicit ExceptionBase(std::string message);
  const char* what() const noexcept override;
  const std::string& message() const noexcept { return m_message; }

private:
  std::string m_message;
};

} // namespace vantor
