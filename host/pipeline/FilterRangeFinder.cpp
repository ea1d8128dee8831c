#include "host/pipeline/FilterRangeFinder.h"

#include "host/pipeline/FilterVisitorInterface.h"
#include "host/pipeline/MultiValueFilterAbstract.h"
#include "host/pipeline/RangeFilter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

class RangeVisitor : public FilterVisitorInterface
{
public:
  void visit(const RangeFilter& filter) override
  {
    low = filter.low();
    high = filter.high();
  }

  void visit(const MultiValueFilterAbstract& filter) override
  {
    for (const auto& entry : filter.matcherValues())
    {
      const double value = entry.value.doubleValue();
      if (!entry.enabled || !std::isfinite(value))
        continue;
      low = std::min(low, value);
      high = std::max(high, value);
    }
  }

  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
};

} // namespace

FilterRangeFinder::FilterRangeFinder(const FilterAbstract& filter)
{
  RangeVisitor visitor;
  filter.accept(visitor);
  if (visitor.low <= visitor.high)
  {
    m_range = { visitor.low, visitor.high };
    return;
  }
  const auto variable = filter.variable().lock();
  m_range = variable ? variable->range() : std::make_pair(0.0, 0.0);
}
