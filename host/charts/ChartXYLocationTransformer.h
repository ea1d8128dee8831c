#pragma once

#include <vtkVector.h>

class vtkChartXY;

/// Converts between pixels of the chart's render window and values on its bottom and left axes.
class ChartXYLocationTransformer
{
public:
  explicit ChartXYLocationTransformer(vtkChartXY& chart);

  vtkVector2d getWorldCoordinatesFromPixelLocation(const vtkVector2d& pixel) const;
  vtkVector2d getPixelLocationFromWorldCoordinates(const vtkVector2d& world) const;

private:
  vtkChartXY& m_chart;
};
