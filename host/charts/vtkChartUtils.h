#pragma once

#include <cstdint>
#include <vtkVector.h>

class vtkAbstractArray;
class ChartXY;
class vtkPlot;

/// What the 2D views do with their charts.
namespace vtkChartUtils
{

/// Fits both axes to the visible plots.
void fitData(ChartXY& chart);
/// Fits one axis (a vtkAxis location index) to the visible plots; the other keeps its range.
void resetAxisRange(ChartXY& chart, int axis);
/// The case of the plot's point inside the rectangle (in axis values) nearest to its centre;
/// its row in the plot's input table gives the case id in idColumn. False, leaving id alone,
/// when no point lies inside or the plot is hidden.
bool caseIDAtPoint(vtkPlot& plot,
  vtkAbstractArray& idColumn,
  const vtkVector2d& lowerLeft,
  const vtkVector2d& upperRight,
  uint64_t& id);

} // namespace vtkChartUtils
