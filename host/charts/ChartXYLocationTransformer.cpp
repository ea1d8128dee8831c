#include "host/charts/ChartXYLocationTransformer.h"

#include "host/charts/ChartAxes.h"

#include <vtkAxis.h>
#include <vtkChartXY.h>

namespace
{

/// Axis ends in pixels and in values, along one direction.
struct AxisScale
{
  double pixelFrom, pixelTo, valueFrom, valueTo;

  AxisScale(vtkAxis* axis, int direction)
    : pixelFrom(axis->GetPoint1()[direction])
    , pixelTo(axis->GetPoint2()[direction])
    , valueFrom(axis->GetMinimum())
    , valueTo(axis->GetMaximum())
  {
  }
  double toValue(double pixel) const
  {
    const double span = pixelTo - pixelFrom;
    return span == 0 ? valueFrom : valueFrom + (pixel - pixelFrom) / span * (valueTo - valueFrom);
  }
  double toPixel(double value) const
  {
    const double span = valueTo - valueFrom;
    return span == 0 ? pixelFrom : pixelFrom + (value - valueFrom) / span * (pixelTo - pixelFrom);
  }
};

} // namespace

ChartXYLocationTransformer::ChartXYLocationTransformer(vtkChartXY& chart)
  : m_chart(chart)
{
}

vtkVector2d ChartXYLocationTransformer::getWorldCoordinatesFromPixelLocation(
  const vtkVector2d& pixel) const
{
  const AxisScale x(m_chart.GetAxis(ChartAxes::bottom), 0);
  const AxisScale y(m_chart.GetAxis(ChartAxes::left), 1);
  return vtkVector2d(x.toValue(pixel[0]), y.toValue(pixel[1]));
}

vtkVector2d ChartXYLocationTransformer::getPixelLocationFromWorldCoordinates(
  const vtkVector2d& world) const
{
  const AxisScale x(m_chart.GetAxis(ChartAxes::bottom), 0);
  const AxisScale y(m_chart.GetAxis(ChartAxes::left), 1);
  return vtkVector2d(x.toPixel(world[0]), y.toPixel(world[1]));
}
