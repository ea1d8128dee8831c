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

  /// Keeps this fraction (0 to 1) of the scene's width, at its right, out of the chart, so that
  /// a colour bar there covers no point.
  void setFreeRightFraction(double fraction);
  /// A chart without a visible plot still shows its left and bottom axes with their titles
  /// (VTK would hide every axis), so that the user sees what the empty chart is of.
  bool Paint(vtkContext2D* painter) override;

  /// Sets the ranges of the axes that fit themselves (vtkAxis::AUTO) to the visible plots now,
  /// with room for the markers of the outermost cases, and again at the next paint: a view may
  /// fit before its plots hold the data of a new variable or filter.
  void fitAutomaticAxesToPlots();
  /// Whether the chart's own legend is elsewhere than where the chart last laid it out: the
  /// user dragged it.
  bool legendMoved();

  /// Pixels kept between the largest marker and the plot area's edge after a fit.
  static constexpr float markerClearance = 2.0f;

protected:
  ChartXY();
  ~ChartXY() override;

  bool UpdateLayout(vtkContext2D* painter) override;
  void SetLegendPosition(const vtkRectf& rect) override;

private:
  void showAxesWhileEmpty();
  /// Fits again the axes fitted since the last paint, unless their range was changed since.
  void refitAxesFittedBeforePaint();
  /// Widens the fitted axes so that markers centred on the outermost cases are drawn whole.
  void keepMarkersWhole();
  float largestMarker();

  std::vector<vtkSmartPointer<vtkChartLegend>> m_legends;
  struct FittedRange
  {
    int axis;
    double minimum;
    double maximum;
  };
  std::vector<FittedRange> m_fittedBeforePaint;
  double m_freeRight = 0.0;
  float m_laidOutLegend[2] = { 0, 0 };
  bool m_areaChanged = false;

  ChartXY(const ChartXY&) = delete;
  void operator=(const ChartXY&) = delete;
};
