#include "analyzer/dataviews/line/LinePlotInterpolationVariables.h"

#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/line/DiscreteFilteredPoints.h"
#include "analyzer/dataviews/line/PlotBuilderAbstract.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/pipeline/FilterAbstract.h"
#include "host/project/Variable.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"
#include "host/viewsupport/AxisDetailsInterface.h"

#include <boost/make_shared.hpp>

LinePlotInterpolationVariables::LinePlotInterpolationVariables(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  PlotBuilderAbstract& rawData,
  LinePlotInterface& view)
  : InterpolationVariablesAbstract(std::move(manager), view.surrogateModelUserDistCollection())
  , m_pipeline(std::move(pipeline))
  , m_xVar(rawData.xVar())
  , m_yVar(rawData.yVar())
  , m_sortBy(rawData.sortBy())
  , m_colorByData(rawData.colorByData())
  , m_colorVar(rawData.colorVar())
  , m_symbolByData(rawData.symbolByData())
  , m_symbolVar(rawData.symbolVar())
  , m_axes(view.axisDetails())
{
  const auto announce = [this](const auto&) { announceChange(); };
  for (const auto& variable : { m_xVar, m_yVar, m_sortBy })
    connections().add(variable->signalValueChanged.connect(announce));
  const auto regroup = [this](const auto&)
  {
    followGroupFilters();
    announceChange();
  };
  for (const auto& variable : { m_colorVar, m_symbolVar })
    connections().add(variable->signalValueChanged.connect(regroup));
  for (const auto& flag : { m_colorByData, m_symbolByData })
    connections().add(flag->signalValueChanged.connect(regroup));
  connections().add(m_pipeline->signalFilterSetChanged.connect(
    [this]
    {
      followGroupFilters();
      announceChange();
    }));
  for (const auto& axis : m_axes)
    for (const auto& bound : { axis->min(), axis->max() })
      if (bound)
        connections().add(bound->signalValueChanged.connect(announce));
  followGroupFilters();
}

LinePlotInterpolationVariables::~LinePlotInterpolationVariables() = default;

std::set<uint64_t> LinePlotInterpolationVariables::nonInputAxisVariables() const
{
  std::set<uint64_t> ids;
  for (const auto& axis : { m_xVar, m_yVar })
    if (!axis->value().isNull() && !isInput(axis->value()))
      ids.insert(axis->value().id());
  return ids;
}

void LinePlotInterpolationVariables::suspend()
{
  InterpolationVariablesAbstract::suspend();
  m_filterConnections.block();
}

void LinePlotInterpolationVariables::resume()
{
  m_filterConnections.unblock();
  followGroupFilters();
  InterpolationVariablesAbstract::resume();
}

bool LinePlotInterpolationVariables::isInput(const VariablePtr& variable) const
{
  return !variable.isNull() && manager()->isInputVariable(variable.id());
}

InterpolationVariablesAbstract::PointsPtr LinePlotInterpolationVariables::axisPoints(
  std::size_t axis) const
{
  if (axis >= m_axes.size() || !m_axes[axis]->min() || !m_axes[axis]->max())
    return nullptr;
  return boost::make_shared<DistributedPoints>(
    std::make_pair(m_axes[axis]->min()->value(), m_axes[axis]->max()->value()), pointCount);
}

InterpolationVariablesAbstract::PointsPtr LinePlotInterpolationVariables::interpolationPoints(
  const WeakPtr<Variable>& variable) const
{
  if (variable.isNull())
    return nullptr;
  if (variable == m_xVar->value())
    return axisPoints(0);
  if (variable == m_yVar->value())
    return axisPoints(1);
  if (variable == m_sortBy->value() && !isInput(m_xVar->value()) && !isInput(m_yVar->value()))
    if (const auto sort = variable.lock())
      return boost::make_shared<DistributedPoints>(sort->range(), pointCount);
  const bool grouped = (m_colorByData->value() && variable == m_colorVar->value()) ||
                       (m_symbolByData->value() && variable == m_symbolVar->value());
  if (!grouped)
    return nullptr;
  auto points = boost::make_shared<DiscreteFilteredPoints>(m_pipeline->filter(variable));
  // Without kept values the variable is left to the host, like any other.
  return points->points().empty() ? nullptr : points;
}

void LinePlotInterpolationVariables::followGroupFilters()
{
  m_filterConnections.clear();
  const std::pair<PropertyPtr<bool>, PropertyPtr<VariablePtr>> groupings[] = {
    { m_colorByData, m_colorVar }, { m_symbolByData, m_symbolVar }
  };
  for (const auto& grouping : groupings)
  {
    if (!grouping.first->value() || grouping.second->value().isNull())
      continue;
    if (const auto filter = m_pipeline->filter(grouping.second->value()))
      m_filterConnections.add(filter->signalChanged.connect([this] { announceChange(); }));
  }
}
