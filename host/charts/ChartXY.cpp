#include "host/charts/ChartXY.h"

#include <vtkAutoInit.h>
#include <vtkChartLegend.h>
#include <vtkObjectFactory.h>
#include <vtkPlot.h>

// Charts are painted by the OpenGL context device, wherever they are shown.
VTK_MODULE_INIT(vtkRenderingOpenGL2);
VTK_MODULE_INIT(vtkRenderingContextOpenGL2);
VTK_MODULE_INIT(vtkRenderingFreeType);

vtkStandardNewMacro(ChartXY);

ChartXY::ChartXY() = default;
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

void ChartXY::fitAutomaticAxesToPlots()
{
  for (vtkIdType i = 0; i < GetNumberOfPlots(); ++i)
    GetPlot(i)->Update();
  RecalculatePlotBounds();
}
