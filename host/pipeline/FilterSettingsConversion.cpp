#include "host/pipeline/FilterSettingsConversion.h"

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

class SettingsWriter : public FilterVisitorInterface
{
public:
  void visit(const RangeFilter& filter) override
  {
    settings.kind = FilterSettings::Kind::Range;
    settings.low = filter.low();
    settings.high = filter.high();
  }

  void visit(const MultiValueFilterAbstract& filter) override
  {
    settings.kind = FilterSettings::Kind::Values;
    for (const auto& entry : filter.matcherValues())
      settings.values.emplace_back(entry.value, entry.enabled);
  }

  FilterSettings settings;
};

boost::shared_ptr<FilterAbstract> makeFilter(const FilterSettings& settings)
{
  const WeakPtr<Variable> variable = Project::project().variable(settings.variable);
  if (variable.isNull())
    throw ProjectError("a filter names the unknown variable \"" + settings.variable + "\"");
  boost::shared_ptr<FilterAbstract> filter;
  if (settings.kind == FilterSettings::Kind::Range)
    filter = boost::make_shared<RangeFilter>(variable, settings.low, settings.high);
  else
  {
    std::vector<MultiValueFilterAbstract::MatcherValue> values;
    for (const auto& entry : settings.values)
      values.push_back({ entry.first, entry.second });
    filter = boost::make_shared<ValueFilter>(variable, values);
  }
  if (!settings.enabled)
  {
    UndoStack::SuspendUndoRecording notRecorded;
    filter->setEnabled(false);
  }
  return filter;
}

} // namespace

std::vector<FilterSettings> filterSettings(const DataPipelineManager& pipeline)
{
  std::vector<FilterSettings> settingsList;
  for (const auto& filter : pipeline.allFilters())
  {
    const auto variable = filter->variable().lock();
    if (!variable)
      continue;
    SettingsWriter writer;
    writer.settings.variable = variable->name();
    writer.settings.enabled = filter->isEnabled();
    filter->accept(writer);
    settingsList.push_back(writer.settings);
  }
  return settingsList;
}

void applyFilterSettings(DataPipelineManager& pipeline,
  const std::vector<FilterSettings>& settingsList)
{
  std::vector<boost::shared_ptr<FilterAbstract>> filters;
  for (const auto& settings : settingsList)
    filters.push_back(makeFilter(settings));
  pipeline.replaceFilters(filters);
}
