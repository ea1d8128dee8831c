#pragma once

/// The kind of values a variable holds. The numbers are the "nature codes" by which the tables
/// tell integer, real and text columns apart.
enum class ValueType : int
{
  Integer = 1,
  Real = 2,
  Text = 3
};
