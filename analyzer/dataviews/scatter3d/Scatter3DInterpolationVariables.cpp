#include "analyzer/dataviews/scatter3d/Scatter3DInterpolationVariables.h"

#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/project/Variable.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"
#include "host/viewsupport/AxisDetailsInterface.h"

#include <boost/make_shared.hpp>

Scatter3DInterpolationVariables::Scatter3DInterpolationVariables(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  ScatterPlot3DInterface& view,
  uint64_t resolution,
  int flag)
  : InterpolationVariablesAbstract(std::move(manager),
      view.surrogateModelUserDistCollection(),
      flag)
  , m_colorVar(view.colorVar())
  , m_colorByData(view.colorByData())
  , m_sizeVar(view.sizeVar())
  , m_sizeByData(view.sizeByData())
  , m_resolution(resolution)
{
  const AxisDetailsList details = view.axisDetails();
  const PropertyPtr<VariablePtr> variables[] = { view.xVar(), view.yVar(), view.zVar() };
  const auto announce = [this](const auto&) { announceChange(); };
  for (std::size_t a = 0; a < m_axes.size(); ++a)
  {
    m_axes[a] = { variables[a], a < details.size() ? details[a] : nullptr };
    connections().add(variables[a]->signalValueChanged.connect(announce));
    if (!m_axes[a].details)
      continue;
    for (const auto& bound : { m_axes[a].details->min(), m_axes[a].details->max() })
      if (bound)
        connections().add(bound->signalValueChanged.connect(announce));
  }
  for (const auto& variable : { m_colorVar, m_sizeVar })
    connections().add(variable->signalValueChanged.connect(announce));
  for (const auto& flagProperty : { m_colorByData, m_sizeByData })
    connections().add(flagProperty->signalValueChanged.connect(announce));
}

std::set<uint64_t> Scatter3DInterpolationVariables::nonInputAxisVariables() const
{
  std::set<uint64_t> ids;
  for (const Axis& axis : m_axes)
  {
    const VariablePtr variable = axis.variable->value();
    if (!variable.isNull() && !manager()->isInputVariable(variable.id()))
      ids.insert(variable.id());
  }
  return ids;
}

InterpolationVariablesAbstract::PointsPtr Scatter3DInterpolationVariables::axisPoints(
  const Axis& axis) const
{
  if (axis.details && axis.details->min() && axis.details->max())
    return boost::make_shared<DistributedPoints>(
      std::make_pair(axis.details->min()->value(), axis.details->max()->value()), m_resolution);
  const auto variable = axis.variable->value().lock();
  return boost::make_shared<DistributedPoints>(variable->range(), m_resolution);
}

bool Scatter3DInterpolationVariables::anyAxisIsInput() const
{
  for (const Axis& axis : m_axes)
    if (manager()->isInputVariable(axis.variable->value().id()) && !axis.variable->value().isNull())
      return true;
  return false;
}

InterpolationVariablesAbstract::PointsPtr Scatter3DInterpolationVariables::interpolationPoints(
  const WeakPtr<Variable>& variable) const
{
  for (const Axis& axis : m_axes)
    if (!variable.isNull() && axis.variable->value() == variable)
      return axisPoints(axis);
  if (anyAxisIsInput())
    return nullptr;
  const bool colored = m_colorByData->value() && m_colorVar->value() == variable;
  const bool sized = m_sizeByData->value() && m_sizeVar->value() == variable;
  const auto locked = variable.lock();
  if ((colored || sized) && locked)
    return boost::make_shared<DistributedPoints>(locked->range(), m_resolution);
  return nullptr;
}
