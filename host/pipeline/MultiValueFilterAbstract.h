#pragma once

#include "host/common/Variant.h"
#include "host/pipeline/FilterAbstract.h"

/// A filter that lets through the cases whose value is one of a list of values; each value of
/// the list can be switched off without being forgotten.
class MultiValueFilterAbstract : public FilterAbstract
{
public:
  struct MatcherValue
  {
    Variant value;
    bool enabled;

    bool operator==(const MatcherValue& other) const
    {
      return value == other.value && enabled == other.enabled;
    }
  };

  using FilterAbstract::FilterAbstract;

  virtual std::vector<MatcherValue> matcherValues() const = 0;
  void accept(FilterVisitorInterface& visitor) const override;
};
