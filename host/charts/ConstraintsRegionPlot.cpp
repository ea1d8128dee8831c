#include "host/charts/ConstraintsRegionPlot.h"

#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/pipeline/FilterAbstract.h"
#include "host/pipeline/FilterRangeFinder.h"

#include <algorithm>
#include <vtkAxis.h>
#include <vtkBrush.h>
#include <vtkContext2D.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>

vtkStandardNewMacro(ConstraintsRegionPlot);

ConstraintsRegionPlot::ConstraintsRegionPlot()
{
  GetBrush()->SetColor(128, 128, 128, 48);
  GetPen()->SetLineType(vtkPen::NO_PEN);
  SetSelectable(false);
}

ConstraintsRegionPlot::~ConstraintsRegionPlot() = default;

void ConstraintsRegionPlot::setConstraints(
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  VariableProperty x,
  VariableProperty y)
{
  m_pipeline = std::move(pipeline);
  m_x = std::move(x);
  m_y = std::move(y);
}

void ConstraintsRegionPlot::GetBounds(double bounds[4])
{
  bounds[0] = bounds[2] = 0;
  bounds[1] = bounds[3] = -1;
}

bool ConstraintsRegionPlot::passedRange(const VariableProperty& variable, double range[2]) const
{
  if (!m_pipeline || !variable || variable->value().isNull())
    return false;
  const auto filters = m_pipeline->filters();
  const auto filter = m_pipeline->filter(variable->value());
  if (!filter || std::find(filters.begin(), filters.end(), filter) == filters.end())
    return false;
  const auto passed = FilterRangeFinder(*filter).range();
  range[0] = passed.first;
  range[1] = passed.second;
  return true;
}

bool ConstraintsRegionPlot::Paint(vtkContext2D* painter)
{
  vtkAxis* xAxis = GetXAxis();
  vtkAxis* yAxis = GetYAxis();
  if (!GetVisible() || !xAxis || !yAxis)
    return false;
  const double left = xAxis->GetMinimum(), right = xAxis->GetMaximum();
  const double bottom = yAxis->GetMinimum(), top = yAxis->GetMaximum();
  painter->ApplyPen(GetPen());
  painter->ApplyBrush(GetBrush());
  auto shade = [painter](double x0, double y0, double x1, double y1)
  {
    if (x1 > x0 && y1 > y0)
      painter->DrawRect(float(x0), float(y0), float(x1 - x0), float(y1 - y0));
  };
  double range[2];
  if (passedRange(m_x, range))
  {
    shade(left, bottom, std::min(range[0], right), top);
    shade(std::max(range[1], left), bottom, right, top);
  }
  if (passedRange(m_y, range))
  {
    shade(left, bottom, right, std::min(range[0], top));
    shade(left, std::max(range[1], bottom), right, top);
  }
  return true;
}
