#pragma once

#include <utility>

class FilterAbstract;

/// The span of values a filter lets through: a range filter's bounds, the smallest and largest
/// enabled number of a multi-value filter, or the variable's range when that says nothing.
class FilterRangeFinder
{
public:
  explicit FilterRangeFinder(const FilterAbstract& filter);
  std::pair<double, double> range() const { return m_range; }

private:
  std::pair<double, double> m_range;
};
