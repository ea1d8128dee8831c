#include "analyzer/dataviews/line/LinePlotVariables.h"

#include "analyzer/dataviews/line/PlotBuilderAbstract.h"
#include "host/core/UndoStack.h"
#include "host/project/AxisVariableProvider.h"
#include "host/project/Project.h"
#include "property/PropertyAbstract.h"

#include <utility>

namespace
{

/// The defaults a new view takes from the project's variables, and what replaces a removed one.
struct DefaultVariables
{
  VariablePtr x, y, color, symbol;

  DefaultVariables()
  {
    AxisVariableProvider provider(Project::project().variables());
    x = provider.next(Variable::Independent);
    y = provider.next(Variable::Dependent);
    color = provider.next(Variable::Independent);
    symbol = provider.next(Variable::Independent);
  }
};

} // namespace

LinePlotVariables::LinePlotVariables(PropertyPtr<VariablePtr> x,
  PropertyPtr<VariablePtr> y,
  PlotBuilderAbstract& rawData)
  : m_x(std::move(x))
  , m_y(std::move(y))
  , m_rawData(rawData)
{
}

void LinePlotVariables::setDefaults()
{
  const DefaultVariables defaults;
  m_x->setValue(defaults.x);
  m_y->setValue(defaults.y);
  m_rawData.colorVar()->setValue(defaults.color);
  m_rawData.colorByData()->setValue(false);
  m_rawData.symbolVar()->setValue(defaults.symbol);
  m_rawData.symbolByData()->setValue(false);
  m_rawData.sortBy()->setValue(defaults.x);
}

bool LinePlotVariables::resolve() const
{
  for (const auto& property :
    { m_x, m_y, m_rawData.colorVar(), m_rawData.symbolVar(), m_rawData.sortBy() })
    if (!property->value().lock())
      return false;
  return true;
}

void LinePlotVariables::replaceRemoved(const std::vector<uint64_t>& removed)
{
  if (removed.empty())
    return;
  // The replacements follow from the user's removal; they are no step of their own.
  UndoStack::SuspendUndoRecording suspended;
  const DefaultVariables replacement;
  const std::pair<PropertyPtr<VariablePtr>, VariablePtr> repairs[] = { { m_x, replacement.x },
    { m_y, replacement.y },
    { m_rawData.colorVar(), replacement.color },
    { m_rawData.symbolVar(), replacement.symbol },
    { m_rawData.sortBy(), replacement.x } };
  for (uint64_t id : removed)
    for (const auto& repair : repairs)
    {
      const VariablePtr current = repair.first->value();
      if (!current.isNull() && current.id() == id)
        repair.first->setValue(repair.second);
    }
}

std::vector<uint64_t> LinePlotVariables::stale() const
{
  std::vector<uint64_t> stale;
  for (const auto& property :
    { m_x, m_y, m_rawData.colorVar(), m_rawData.symbolVar(), m_rawData.sortBy() })
  {
    const VariablePtr handle = property->value();
    if (!handle.isNull() && !handle.lock())
      stale.push_back(handle.id());
  }
  return stale;
}
