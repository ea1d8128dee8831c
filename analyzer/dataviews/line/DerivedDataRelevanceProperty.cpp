#include "analyzer/dataviews/line/DerivedDataRelevanceProperty.h"

#include "host/project/Variable.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"

DerivedDataRelevanceProperty::DerivedDataRelevanceProperty(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  PropertyPtr<VariablePtr> xVar,
  PropertyPtr<VariablePtr> yVar,
  PropertyPtr<VariablePtr> sortBy,
  PropertyPtr<VariablePtr> colorVar,
  PropertyPtr<bool> colorByData,
  PropertyPtr<VariablePtr> symbolVar,
  PropertyPtr<bool> symbolByData)
  : m_manager(std::move(manager))
  , m_xVar(std::move(xVar))
  , m_yVar(std::move(yVar))
  , m_sortBy(std::move(sortBy))
  , m_colorVar(std::move(colorVar))
  , m_colorByData(std::move(colorByData))
  , m_symbolVar(std::move(symbolVar))
  , m_symbolByData(std::move(symbolByData))
{
  m_value = compute();
  // Which variables take part in the models changes with the project.
  m_connections.add(m_manager->signalModelsChanged.connect([this] { update(); }));
  for (const auto& variable : { m_xVar, m_yVar, m_sortBy, m_colorVar, m_symbolVar })
    m_connections.add(
      variable->signalValueChanged.connect([this](const VariablePtr&) { update(); }));
  for (const auto& flag : { m_colorByData, m_symbolByData })
    m_connections.add(flag->signalValueChanged.connect([this](bool) { update(); }));
}

void DerivedDataRelevanceProperty::suspend()
{
  m_connections.block();
}

void DerivedDataRelevanceProperty::resume()
{
  m_connections.unblock();
  update();
}

void DerivedDataRelevanceProperty::update()
{
  const bool value = compute();
  if (value == m_value)
    return;
  m_value = value;
  signalValueChanged(m_value);
}

bool DerivedDataRelevanceProperty::compute() const
{
  const auto color = m_colorVar->value().lock();
  const auto symbol = m_symbolVar->value().lock();
  const auto sort = m_sortBy->value().lock();
  const auto y = m_yVar->value().lock();
  const auto x = m_xVar->value().lock();
  if (!color || !symbol || !sort || !y || !x)
    return false;
  const bool byColor = m_colorByData->value();
  const bool bySymbol = m_symbolByData->value();

  const auto other = [](const Variable& v) { return v.nature() == Variable::Other; };
  if (other(*sort) || other(*y) || other(*x) || (byColor && other(*color)) ||
      (bySymbol && other(*symbol)))
    return false;

  const auto inModels = [this](const Variable& v) { return m_manager->isInputVariable(v.id()); };
  const auto unusable = [&](const Variable& v)
  { return v.nature() == Variable::Independent && !inModels(v); };
  if (unusable(*x) || unusable(*y) || unusable(*sort) || (byColor && unusable(*color)) ||
      (bySymbol && unusable(*symbol)))
    return false;

  if (x->nature() == Variable::Independent && y->nature() == Variable::Independent)
    return false;
  if ((byColor && color->nature() == Variable::Dependent) ||
      (bySymbol && symbol->nature() == Variable::Dependent))
    return false;

  const Variable* varied = nullptr;
  for (const Variable* candidate : { x.get(), y.get(), sort.get() })
    if (inModels(*candidate))
    {
      varied = candidate;
      break;
    }
  if (!varied)
    return false;
  return !(byColor && varied->id() == color->id()) && !(bySymbol && varied->id() == symbol->id());
}
