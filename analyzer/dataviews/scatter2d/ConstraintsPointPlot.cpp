#include "analyzer/dataviews/scatter2d/ConstraintsPointPlot.h"

#include "analyzer/dataviews/scatter2d/ConstraintCategories.h"

#include <vtkBrush.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>

vtkStandardNewMacro(ConstraintsPointPlot);

ConstraintsPointPlot::ConstraintsPointPlot()
{
  SetTooltipLabelFormat("%x, %y");
}

ConstraintsPointPlot::~ConstraintsPointPlot() = default;

bool ConstraintsPointPlot::PaintLegend(vtkContext2D* painter, const vtkRectf& rect, int legendIndex)
{
  if (legendIndex < 0 || legendIndex >= ConstraintCategories::count)
    return Superclass::PaintLegend(painter, rect, legendIndex);
  // The plot's own colours stay as they were for its points.
  unsigned char brush[4], pen[4];
  Brush->GetColor(brush);
  Pen->GetColor(pen);
  const auto& color = ConstraintCategories::colors[static_cast<std::size_t>(legendIndex)];
  Brush->SetColor(color[0], color[1], color[2], 255);
  Pen->SetColor(color[0], color[1], color[2], 255);
  const bool painted = Superclass::PaintLegend(painter, rect, legendIndex);
  Brush->SetColor(brush);
  Pen->SetColor(pen);
  return painted;
}
