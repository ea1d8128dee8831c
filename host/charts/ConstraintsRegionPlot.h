#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <vtkPlot.h>

class DataPipelineManagerInterface;
class Variable;

/// Shades the parts of a chart that the active filters on its x and y variables reject, so
/// that the cases outside the filters are seen against the region they violate.
class ConstraintsRegionPlot : public vtkPlot
{
public:
  using VariableProperty = boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable, uint64_t>>>;

  static ConstraintsRegionPlot* New();
  vtkTypeMacro(ConstraintsRegionPlot, vtkPlot);

  void setConstraints(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    VariableProperty x,
    VariableProperty y);

  bool Paint(vtkContext2D* painter) override;
  /// Regions have no extent of their own: the chart is fitted to the cases.
  void GetBounds(double bounds[4]) override;

protected:
  ConstraintsRegionPlot();
  ~ConstraintsRegionPlot() override;

private:
  /// The range the filter of the axis variable passes; false without an active filter.
  bool passedRange(const VariableProperty& variable, double range[2]) const;

  boost::shared_ptr<const DataPipelineManagerInterface> m_pipeline;
  VariableProperty m_x;
  VariableProperty m_y;

  ConstraintsRegionPlot(const ConstraintsRegionPlot&) = delete;
  void operator=(const ConstraintsRegionPlot&) = delete;
};
