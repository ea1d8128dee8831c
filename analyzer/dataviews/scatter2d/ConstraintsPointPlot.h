#pragma once

#include <vtkPlotPoints.h>

/// The points of the 2D scatter plot. Its labels are the constraint categories, so the chart's
/// legend lists them, each symbol painted in its category's colour.
class ConstraintsPointPlot : public vtkPlotPoints
{
public:
  static ConstraintsPointPlot* New();
  vtkTypeMacro(ConstraintsPointPlot, vtkPlotPoints);

  bool PaintLegend(vtkContext2D* painter, const vtkRectf& rect, int legendIndex) override;

protected:
  ConstraintsPointPlot();
  ~ConstraintsPointPlot() override;

private:
  ConstraintsPointPlot(const ConstraintsPointPlot&) = delete;
  void operator=(const ConstraintsPointPlot&) = delete;
};
