#include "host/charts/ChartXY.h"

#include <algorithm>
#include <cmath>
#include <vtkAutoInit.h>
#include <vtkAxis.h>
#include <vtkChartLegend.h>
#include <vtkContextScene.h>
#include <vtkObjectFactory.h>
#include <vtkPlot.h>

// Charts are painted by the OpenGL context device, wherever they are shown.
VTK_MODULE_INIT(vtkRenderingOpenGL2);
VTK_MODULE_INIT(vtkRenderingContextOpenGL2);
VTK_MODULE_INIT(vtkRenderingFreeType);

vtkStandardNewMacro(ChartXY);

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

void ChartXY::fitAutomaticAxesToPlots()
{
  for (vtkIdType i = 0; i < GetNumberOfPlots(); ++i)
    GetPlot(i)->Update();
  RecalculatePlotBounds();
}
