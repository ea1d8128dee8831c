#include "analyzer/dataviews/scatter3d/DerivedDataRelevanceProperty3D.h"

#include "host/project/Variable.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"

#include <algorithm>
#include <vector>

DerivedDataRelevanceProperty3D::DerivedDataRelevanceProperty3D(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  PropertyPtr<VariablePtr> xVar,
  PropertyPtr<VariablePtr> yVar,
  PropertyPtr<VariablePtr> zVar,
  PropertyPtr<VariablePtr> colorVar,
  PropertyPtr<bool> colorByData,
  PropertyPtr<VariablePtr> sizeVar,
  PropertyPtr<bool> sizeByData)
  : m_manager(std::move(manager))
  , m_xVar(std::move(xVar))
  , m_yVar(std::move(yVar))
  , m_zVar(std::move(zVar))
  , m_colorVar(std::move(colorVar))
  , m_colorByData(std::move(colorByData))
  , m_sizeVar(std::move(sizeVar))
  , m_sizeByData(std::move(sizeByData))
{
  m_value = compute();
  m_connections.add(m_manager->signalModelsChanged.connect([this] { update(); }));
  for (const auto& variable : { m_xVar, m_yVar, m_zVar, m_colorVar, m_sizeVar })
    m_connections.add(
      variable->signalValueChanged.connect([this](const VariablePtr&) { update(); }));
  for (const auto& flag : { m_colorByData, m_sizeByData })
    m_connections.add(flag->signalValueChanged.connect([this](bool) { update(); }));
}

void DerivedDataRelevanceProperty3D::suspend()
{
  m_connections.block();
}

void DerivedDataRelevanceProperty3D::resume()
{
  m_connections.unblock();
  update();
}

void DerivedDataRelevanceProperty3D::update()
{
  const bool value = compute();
  if (value == m_value)
    return;
  m_value = value;
  signalValueChanged(m_value);
}

bool DerivedDataRelevanceProperty3D::compute() const
{
  std::vector<uint64_t> inputs;
  std::vector<uint64_t> dependents;
  for (const auto& axis : { m_xVar, m_yVar, m_zVar })
  {
    const auto variable = axis->value().lock();
    if (!variable)
      return false;
    const uint64_t id = variable->id();
    if (m_manager->isInputVariable(id))
    {
      if (std::find(inputs.begin(), inputs.end(), id) == inputs.end())
        inputs.push_back(id);
    }
    else if (variable->nature() == Variable::Dependent &&
             std::find(dependents.begin(), dependents.end(), id) == dependents.end())
      dependents.push_back(id);
  }
  if (inputs.size() == 2)
    return dependents.size() == 1;
  return inputs.empty() && colorAndSizeAreTwoInputs();
}

bool DerivedDataRelevanceProperty3D::colorAndSizeAreTwoInputs() const
{
  if (!m_colorByData->value() || !m_sizeByData->value())
    return false;
  const auto color = m_colorVar->value().lock();
  const auto size = m_sizeVar->value().lock();
  return color && size && color->id() != size->id() && m_manager->isInputVariable(color->id()) &&
         m_manager->isInputVariable(size->id());
}
