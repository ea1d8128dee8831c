#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/surrogate/InterpolationVariablesAbstract.h"

class DataPipelineManagerInterface;
class LinePlotInterface;
class PlotBuilderAbstract;

/// Where a line plot's surrogate lines sample the models: over the current range of the x or
/// y axis when it shows a model input; over the sort variable's own range when neither axis
/// does; at the values the user's value filter keeps for a variable the lines are grouped by.
/// Every other input is left to the host's choice.
class LinePlotInterpolationVariables
  : public InterpolationVariablesAbstract
  , public virtual InterpolationVariablesInterface
  , public virtual SuspendableInterface
{
public:
  static constexpr uint64_t pointCount = 200;

  LinePlotInterpolationVariables(boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    PlotBuilderAbstract& rawData,
    LinePlotInterface& view);
  ~LinePlotInterpolationVariables() override;

  /// x and y where they are not model inputs: the outputs the plot shows.
  std::set<uint64_t> nonInputAxisVariables() const override;

  void suspend() override;
  void resume() override;

private:
  PointsPtr interpolationPoints(const WeakPtr<Variable>& variable) const override;
  PointsPtr axisPoints(std::size_t axis) const;
  bool isInput(const VariablePtr& variable) const;
  /// Follows the filters of the variables the lines are grouped by.
  void followGroupFilters();

  boost::shared_ptr<const DataPipelineManagerInterface> m_pipeline;
  PropertyPtr<VariablePtr> m_xVar;
  PropertyPtr<VariablePtr> m_yVar;
  PropertyPtr<VariablePtr> m_sortBy;
  PropertyPtr<bool> m_colorByData;
  PropertyPtr<VariablePtr> m_colorVar;
  PropertyPtr<bool> m_symbolByData;
  PropertyPtr<VariablePtr> m_symbolVar;
  AxisDetailsList m_axes;
  SignalConnectionCollection m_filterConnections;
};
