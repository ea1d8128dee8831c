#include "analyzer/dataviews/line/SparseLabelsLinePlot.h"

#include <vtkBrush.h>
#include <vtkContext2D.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkPoints2D.h>

vtkStandardNewMacro(SparseLabelsLinePlot);

SparseLabelsLinePlot::SparseLabelsLinePlot() = default;
SparseLabelsLinePlot::~SparseLabelsLinePlot() = default;

void SparseLabelsLinePlot::Update()
{
  Superclass::Update();
  const vtkIdType count = Points ? Points->GetNumberOfPoints() : 0;
  if (count <= markerBudget)
    return;
  const double step = double(count - 1) / double(markerBudget - 1);
  m_sparsePoints->SetNumberOfPoints(markerBudget);
  for (int i = 0; i < markerBudget; ++i)
    m_sparsePoints->SetPoint(i, Points->GetPoint(static_cast<vtkIdType>(i * step)));
}

bool SparseLabelsLinePlot::Paint(vtkContext2D* painter)
{
  if (!Visible || !Points || Points->GetNumberOfPoints() == 0)
    return false;
  painter->ApplyPen(Pen);
  painter->DrawPoly(Points);
  painter->ApplyBrush(Brush);
  painter->GetPen()->SetWidth(MarkerSize);
  if (MarkerStyle == VTK_MARKER_NONE)
    return true;
  vtkPoints2D* markers = Points->GetNumberOfPoints() > markerBudget ? m_sparsePoints.Get() : Points;
  painter->DrawMarkers(MarkerStyle, false, markers);
  return true;
}
