#include "host/pipeline/FilterSpecs.h"

#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/FilterVisitorInterface.h"
#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"
#include "host/project/Project.h"
#include "host/project/ProjectError.h"

#include <boost/make_shared.hpp>

namespace
{

class SpecWriter : public FilterVisitorInterface
{
public:
  void visit(const RangeFilter& filter) override
  {
    spec.kind = FilterSpec::Kind::Range;
    spec.low = filter.low();
    spec.high = filter.high();
  }

  void visit(const MultiValueFilterAbstract& filter) override
  {
    spec.kind = FilterSpec::Kind::Values;
    for (const auto& entry : filter.matcherValues())
      spec.values.emplace_back(entry.value, entry.enabled);
  }

  FilterSpec spec;
};

boost::shared_ptr<FilterAbstract> makeFilter(const FilterSpec& spec)
{
  const WeakPtr<Variable> variable = Project::project().variable(spec.variable);
  if (variable.isNull())
    throw ProjectError("a filter names the unknown variable \"" + spec.variable + "\"");
  boost::shared_ptr<FilterAbstract> filter;
  if (spec.kind == FilterSpec::Kind::Range)
    filter = boost::make_shared<RangeFilter>(variable, spec.low, spec.high);
  else
  {
    std::vector<MultiValueFilterAbstract::MatcherValue> values;
    for (const auto& entry : spec.values)
      values.push_back({ entry.first, entry.second });
    filter = boost::make_shared<ValueFilter>(variable, values);
  }
  if (!spec.enabled)
  {
    UndoStack::SuspendUndoRecording notRecorded;
    filter->setEnabled(false);
  }
  return filter;
}

} // namespace

std::vector<FilterSpec> filterSpecs(const DataPipelineManager& pipeline)
{
  std::vector<FilterSpec> specs;
  for (const auto& filter : pipeline.allFilters())
  {
    const auto variable = filter->variable().lock();
    if (!variable)
      continue;
    SpecWriter writer;
    writer.spec.variable = variable->name();
    writer.spec.enabled = filter->isEnabled();
    filter->accept(writer);
    specs.push_back(writer.spec);
  }
  return specs;
}

void applyFilterSpecs(DataPipelineManager& pipeline, const std::vector<FilterSpec>& specs)
{
  std::vector<boost::shared_ptr<FilterAbstract>> filters;
  for (const auto& spec : specs)
    filters.push_back(makeFilter(spec));
  pipeline.replaceFilters(filters);
}
