#pragma once

#include <vector>
#include <vtkChartXY.h>
#include <vtkSmartPointer.h>

class vtkChartLegend;

/// The 2D chart of the plotting views: VTK's XY chart that also draws legends of the views'
/// own (colour, symbol and line-pattern legends) inside its area.
class ChartXY : public vtkChartXY
{
public:
  static ChartXY* New();
  vtkTypeMacro(ChartXY, vtkChartXY);

  /// The legend is drawn over the plots, anchored where its point says, and lays itself out
  /// from this chart's plots.
  void addLegend(vtkChartLegend* legend);
  const std::vector<vtkSmartPointer<vtkChartLegend>>& legends() const { return m_legends; }

  /// Also takes back a plot that was in this chart before: VTK keeps such a plot out of the
  /// chart's plot area (its axes still name this chart's), so it would never be drawn.
  vtkIdType AddPlot(vtkPlot* plot) override;
  using vtkChartXY::AddPlot;

  /// Sets the ranges of the axes that fit themselves (vtkAxis::AUTO) to the visible plots now,
  /// not at the next paint.
  void fitAutomaticAxesToPlots();

protected:
  ChartXY();
  ~ChartXY() override;

private:
  std::vector<vtkSmartPointer<vtkChartLegend>> m_legends;

  ChartXY(const ChartXY&) = delete;
  void operator=(const ChartXY&) = delete;
};
