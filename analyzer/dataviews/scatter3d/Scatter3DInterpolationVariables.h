#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/surrogate/InterpolationVariablesAbstract.h"

#include <array>

class ScatterPlot3DInterface;

/// Where the 3D view's surface samples the models: over the current range of each axis that
/// shows a model input; with no axis on an input, over the own ranges of the colour and size
/// variables when the glyphs are coloured and sized by data. Every other input is left to the
/// host's choice.
class Scatter3DInterpolationVariables : public InterpolationVariablesAbstract
{
public:
  Scatter3DInterpolationVariables(boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    ScatterPlot3DInterface& view,
    uint64_t resolution,
    int flag);

  /// The axis variables that are not model inputs.
  std::set<uint64_t> nonInputAxisVariables() const override;

private:
  struct Axis
  {
    PropertyPtr<VariablePtr> variable;
    boost::shared_ptr<AxisDetailsInterface> details;
  };

  PointsPtr interpolationPoints(const WeakPtr<Variable>& variable) const override;
  PointsPtr axisPoints(const Axis& axis) const;
  bool anyAxisIsInput() const;

  std::array<Axis, 3> m_axes;
  PropertyPtr<VariablePtr> m_colorVar;
  PropertyPtr<bool> m_colorByData;
  PropertyPtr<VariablePtr> m_sizeVar;
  PropertyPtr<bool> m_sizeByData;
  uint64_t m_resolution;
};
