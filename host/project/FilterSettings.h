#pragma once

#include "host/common/Variant.h"

#include <string>
#include <utility>
#include <vector>

/// A filter as the project document keeps it, by its variable's name; the pipeline turns it
/// into a live filter.
struct FilterSettings
{
  enum class Kind
  {
    Range,
    Values
  };

  std::string variable;
  Kind kind = Kind::Range;
  bool enabled = true;
  double low = 0.0;
  double high = 0.0;
  /// Values of a value filter, each with its enabled flag.
  std::vector<std::pair<Variant, bool>> values;

  bool operator==(const FilterSettings& other) const
  {
    return variable == other.variable && kind == other.kind && enabled == other.enabled &&
           low == other.low && high == other.high && values == other.values;
  }
};
