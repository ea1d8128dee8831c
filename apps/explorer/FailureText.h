#pragma once

#include <QString>
#include <exception>

/// Says in a user's words why reading a file or a setting failed.
class FailureText
{
public:
  /// Call inside a catch block, with std::current_exception().
  static QString reason(const std::exception_ptr& failure);
};
