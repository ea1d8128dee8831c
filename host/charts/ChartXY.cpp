#include "host/charts/ChartXY.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vtkAutoInit.h>
#include <vtkAxis.h>
#include <vtkChartLegend.h>
#include <vtkContextScene.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkPlot.h>
#include <vtkPlotPoints.h>

// Charts are painted by the OpenGL context device, wherever they are shown.
VTK_MODULE_INIT(vtkRenderingOpenGL2);
VTK_MODULE_INIT(vtkRenderingContextOpenGL2);
VTK_MODULE_INIT(vtkRenderingFreeType);

vtkStandardNewMacro(ChartXY);

namespace
{

/// Axis length, in pixels, taken for a chart that has no size yet.
const double assumedAxisLength = 400.0;

} // namespace

ChartXY::ChartXY()
{
  SetRenderEmpty(true);
}

ChartXY::~ChartXY() = default;

void ChartXY::addLegend(vtkChartLegend* legend)
{
  legend->SetChart(this);
  AddItem(legend);
  m_legends.emplace_back(legend);
}

vtkIdType ChartXY::AddPlot(vtkPlot* plot)
{
  if (plot)
  {
    plot->SetXAxis(nullptr);
    plot->SetYAxis(nullptr);
  }
  return vtkChartXY::AddPlot(plot);
}

void ChartXY::setFreeRightFraction(double fraction)
{
  const double kept = std::clamp(fraction, 0.0, 0.9);
  if (kept == m_freeRight)
    return;
  m_freeRight = kept;
  Modified();
}

bool ChartXY::Paint(vtkContext2D* painter)
{
  vtkContextScene* scene = GetScene();
  if (scene && (m_freeRight > 0 || GetLayoutStrategy() == FILL_RECT))
  {
    const float width = std::floor(float(scene->GetSceneWidth() * (1.0 - m_freeRight)));
    const vtkRectf area(0, 0, width, float(scene->GetSceneHeight()));
    if (m_freeRight == 0)
      SetLayoutStrategy(FILL_SCENE);
    else if (GetLayoutStrategy() != FILL_RECT || GetSize() != area)
    {
      SetLayoutStrategy(FILL_RECT);
      SetSize(area);
    }
    m_areaChanged = true;
  }
  showAxesWhileEmpty();
  refitAxesFittedBeforePaint();
  const bool painted = vtkChartXY::Paint(painter);
  m_areaChanged = false;
  return painted;
}

void ChartXY::showAxesWhileEmpty()
{
  bool anyVisible = false;
  for (vtkIdType i = 0; i < GetNumberOfPlots() && !anyVisible; ++i)
    anyVisible = GetPlot(i)->GetVisible();
  SetAutoAxes(anyVisible);
  if (anyVisible)
    return;
  for (int axis : { vtkAxis::LEFT, vtkAxis::BOTTOM, vtkAxis::RIGHT, vtkAxis::TOP })
    GetAxis(axis)->SetVisible(axis == vtkAxis::LEFT || axis == vtkAxis::BOTTOM);
}

bool ChartXY::UpdateLayout(vtkContext2D* painter)
{
  // A new area moves the plots even when the borders stay.
  return vtkChartXY::UpdateLayout(painter) || m_areaChanged;
}

void ChartXY::SetLegendPosition(const vtkRectf& rect)
{
  vtkChartXY::SetLegendPosition(rect);
  const float* point = GetLegend()->GetPoint();
  m_laidOutLegend[0] = point[0];
  m_laidOutLegend[1] = point[1];
}

bool ChartXY::legendMoved()
{
  const float* point = GetLegend()->GetPoint();
  return point[0] != m_laidOutLegend[0] || point[1] != m_laidOutLegend[1];
}

void ChartXY::refitAxesFittedBeforePaint()
{
  const std::vector<FittedRange> fitted = std::move(m_fittedBeforePaint);
  m_fittedBeforePaint.clear();
  bool refit = false;
  for (const FittedRange& range : fitted)
  {
    vtkAxis* axis = GetAxis(range.axis);
    // Panned, zoomed or typed since: the user's range stays.
    if (axis->GetBehavior() != vtkAxis::FIXED || axis->GetMinimum() != range.minimum ||
        axis->GetMaximum() != range.maximum)
      continue;
    axis->SetBehavior(vtkAxis::AUTO);
    refit = true;
  }
  if (!refit)
    return;
  fitAutomaticAxesToPlots();
  m_fittedBeforePaint.clear();
}

void ChartXY::fitAutomaticAxesToPlots()
{
  for (vtkIdType i = 0; i < GetNumberOfPlots(); ++i)
    GetPlot(i)->Update();
  RecalculatePlotBounds();
  keepMarkersWhole();
  // The next paint draws the new ranges (the chart does not look at its axes' ranges itself).
  RecalculatePlotTransforms();
}

float ChartXY::largestMarker()
{
  float largest = 0;
  for (vtkIdType i = 0; i < GetNumberOfPlots(); ++i)
  {
    vtkPlot* plot = GetPlot(i);
    if (!plot->GetVisible())
      continue;
    const float pen = plot->GetPen()->GetWidth();
    auto* points = vtkPlotPoints::SafeDownCast(plot);
    float size = pen;
    // The size vtkPlotPoints paints a marker of no size of its own with.
    if (points && points->GetMarkerStyle() != vtkPlotPoints::NONE)
      size = points->GetMarkerSize() > 0 ? points->GetMarkerSize() : std::max(8.0f, pen * 2.3f);
    largest = std::max(largest, size);
  }
  return largest;
}

void ChartXY::keepMarkersWhole()
{
  const float largest = largestMarker();
  // Nothing drawn, nothing fitted: the ranges stay as they are.
  if (largest <= 0)
    return;
  const float margin = largest / 2 + markerClearance;
  for (int index : { vtkAxis::LEFT, vtkAxis::BOTTOM })
  {
    vtkAxis* axis = GetAxis(index);
    double minimum = axis->GetMinimum();
    double maximum = axis->GetMaximum();
    // The chart widens a single value v to (0.95 v, 1.05 v), which runs backwards when v < 0.
    if (maximum < minimum)
      std::swap(minimum, maximum);
    if (axis->GetBehavior() != vtkAxis::AUTO || !(maximum > minimum))
      continue;
    const float* from = axis->GetPoint1();
    const float* to = axis->GetPoint2();
    double length = std::hypot(double(to[0] - from[0]), double(to[1] - from[1]));
    // Not laid out yet: most of the scene is the plot area.
    if (length <= 2 * margin && GetScene())
      length = 0.8 * (index == vtkAxis::BOTTOM ? GetScene()->GetSceneWidth()
                                               : GetScene()->GetSceneHeight());
    if (length <= 2 * margin)
      length = assumedAxisLength;
    const double pad = (maximum - minimum) * margin / (length - 2 * margin);
    axis->SetRange(minimum - pad, maximum + pad);
    // Left to fit itself, the chart would fit the cases alone again at its next paint.
    axis->SetBehavior(vtkAxis::FIXED);
    m_fittedBeforePaint.push_back({ index, axis->GetMinimum(), axis->GetMaximum() });
  }
}
