#include "analyzer/dataviews/line/DiscreteFilteredPoints.h"

#include "host/pipeline/FilterVisitorInterface.h"
#include "host/pipeline/MultiValueFilterAbstract.h"

class DiscreteFilteredPoints::EnabledValues : public FilterVisitorInterface
{
public:
  void visit(const RangeFilter&) override {}
  void visit(const MultiValueFilterAbstract& filter) override
  {
    for (const auto& matcher : filter.matcherValues())
      if (matcher.enabled)
        values.push_back(matcher.value.doubleValue());
  }

  std::vector<double> values;
};

DiscreteFilteredPoints::DiscreteFilteredPoints(boost::shared_ptr<const FilterAbstract> filter)
  : m_filter(std::move(filter))
{
}

std::vector<double> DiscreteFilteredPoints::points() const
{
  EnabledValues visitor;
  if (m_filter)
    m_filter->accept(visitor);
  return visitor.values;
}
