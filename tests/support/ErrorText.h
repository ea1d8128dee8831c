#pragma once

#include <string>

namespace testsupport
{

/// The text of the Error that calling the function throws, or "" when it throws none.
template<class Error, class Function>
std::string errorOf(Function&& function)
{
  try
  {
    function();
  }
  catch (const Error& error)
  {
    return error.what();
  }
  return {};
}

} // namespace testsupport
