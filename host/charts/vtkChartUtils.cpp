#include "host/charts/vtkChartUtils.h"

#include "host/charts/ChartXY.h"

#include <limits>
#include <vtkAbstractArray.h>
#include <vtkAxis.h>
#include <vtkContextMapper2D.h>
#include <vtkDataArray.h>
#include <vtkPlot.h>
#include <vtkTable.h>

namespace vtkChartUtils
{

void fitData(ChartXY& chart)
{
  for (int axis : { vtkAxis::LEFT, vtkAxis::BOTTOM })
    chart.GetAxis(axis)->SetBehavior(vtkAxis::AUTO);
  chart.fitAutomaticAxesToPlots();
}

void resetAxisRange(ChartXY& chart, int axis)
{
  const int other = axis == vtkAxis::LEFT ? vtkAxis::BOTTOM : vtkAxis::LEFT;
  vtkAxis* kept = chart.GetAxis(other);
  const int keptBehavior = kept->GetBehavior();
  kept->SetBehavior(vtkAxis::FIXED);
  chart.GetAxis(axis)->SetBehavior(vtkAxis::AUTO);
  chart.fitAutomaticAxesToPlots();
  kept->SetBehavior(keptBehavior);
}

bool caseIDAtPoint(vtkPlot& plot,
  vtkAbstractArray& idColumn,
  const vtkVector2d& lowerLeft,
  const vtkVector2d& upperRight,
  uint64_t& id)
{
  vtkTable* table = plot.GetInput();
  if (!plot.GetVisible() || !table)
    return false;
  vtkDataArray* xs = plot.GetData()->GetInputArrayToProcess(0, table);
  vtkDataArray* ys = plot.GetData()->GetInputArrayToProcess(1, table);
  if (!xs || !ys)
    return false;
  const vtkVector2d centre((lowerLeft[0] + upperRight[0]) / 2, (lowerLeft[1] + upperRight[1]) / 2);
  double nearest = std::numeric_limits<double>::infinity();
  vtkIdType hit = -1;
  const vtkIdType rows = std::min(xs->GetNumberOfTuples(), idColumn.GetNumberOfTuples());
  for (vtkIdType row = 0; row < rows; ++row)
  {
    const double x = xs->GetComponent(row, 0);
    const double y = ys->GetComponent(row, 0);
    if (x < lowerLeft[0] || x > upperRight[0] || y < lowerLeft[1] || y > upperRight[1])
      continue;
    const double distance = (x - centre[0]) * (x - centre[0]) + (y - centre[1]) * (y - centre[1]);
    if (distance < nearest)
    {
      nearest = distance;
      hit = row;
    }
  }
  if (hit < 0)
    return false;
  id = idColumn.GetVariantValue(hit).ToTypeUInt64();
  return true;
}

} // namespace vtkChartUtils
