#include "analyzer/dataviews/line/ColorByLegend.h"

#include <vtkContext2D.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>

vtkStandardNewMacro(ColorByLegend);

void ColorByLegend::drawSymbol(vtkContext2D* painter, const Entry& entry, float x, float y)
{
  painter->GetPen()->SetColor(entry.color[0], entry.color[1], entry.color[2], 255);
  painter->GetPen()->SetWidth(2);
  painter->GetPen()->SetLineType(vtkPen::SOLID_LINE);
  painter->DrawLine(x, y, x + float(SymbolWidth), y);
}
