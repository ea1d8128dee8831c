#include "analyzer/dataviews/line/SymbolByLegend.h"

#include <algorithm>
#include <vtkContext2D.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>

vtkStandardNewMacro(SymbolByLegend);

void SymbolByLegend::drawSymbol(vtkContext2D* painter, const Entry& entry, float x, float y)
{
  vtkPen* pen = painter->GetPen();
  pen->SetColor(0, 0, 0, 255);
  pen->SetWidth(std::max(8.0f, pen->GetWidth()));
  float point[2] = { x + float(SymbolWidth) / 2, y };
  painter->DrawMarkers(entry.marker, false, point, 1);
}
