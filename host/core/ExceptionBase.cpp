#include "host/core/ExceptionBase.h"

#include <utility>

namespace vantor
{

ExceptionBase::ExceptionBase(std::string message)
  : m_message(std::move(message))
{
}

const char* ExceptionBase::what() const noexcept
{
  return m_message.c_str();
}

} // namespace vantor
