#include "analyzer/dataviews/line/SurrogateModelLinePatternLegend.h"

#include <QColor>
#include <algorithm>
#include <vtkBrush.h>
#include <vtkContext2D.h>
#include <vtkObjectFactory.h>
#include <vtkPen.h>
#include <vtkTextProperty.h>

vtkStandardNewMacro(SurrogateModelLinePatternLegend);

const char* const SurrogateModelLinePatternLegend::dataLabel = "Data";
const char* const SurrogateModelLinePatternLegend::derivedLabel = "Derived";

SurrogateModelLinePatternLegend::SurrogateModelLinePatternLegend()
{
  SetVisible(false);
  SetCacheBounds(false);
  SetDragEnabled(true);
  GetLabelProperties()->SetJustificationToLeft();
  GetLabelProperties()->SetVerticalJustificationToCentered();
}

SurrogateModelLinePatternLegend::~SurrogateModelLinePatternLegend() = default;

void SurrogateModelLinePatternLegend::setStyles(PropertyPtr<bool> colorByData,
  PropertyPtr<QColor> lineColor,
  PropertyPtr<QColor> derivedDataLineColor)
{
  m_colorByData = std::move(colorByData);
  m_lineColor = std::move(lineColor);
  m_derivedDataLineColor = std::move(derivedDataLineColor);
}

void SurrogateModelLinePatternLegend::Update()
{
  // Two fixed rows: nothing to collect from the plots.
}

float SurrogateModelLinePatternLegend::rowHeight(vtkContext2D* painter)
{
  float bounds[4];
  painter->ApplyTextProp(GetLabelProperties());
  painter->ComputeStringBounds("The", bounds);
  return bounds[3] + float(Padding);
}

vtkRectf SurrogateModelLinePatternLegend::GetBoundingRect(vtkContext2D* painter)
{
  const float row = rowHeight(painter);
  float data[4], derived[4];
  painter->ComputeStringBounds(dataLabel, data);
  painter->ComputeStringBounds(derivedLabel, derived);
  const float width = std::max(data[2], derived[2]) + float(SymbolWidth) + 3 * float(Padding);
  const float height = 2 * row + float(Padding);
  Rect = vtkRectf(Point[0] - width, Point[1] - height, width, height);
  return Rect;
}

void SurrogateModelLinePatternLegend::drawRow(vtkContext2D* painter,
  int lineType,
  const QColor* color,
  float y,
  const char* label)
{
  const float left = Rect.GetX() + float(Padding);
  painter->ApplyPen(GetPen());
  vtkPen* pen = painter->GetPen();
  pen->SetLineType(lineType);
  pen->SetWidth(2.3f * GetPen()->GetWidth());
  if (color)
    pen->SetColor(static_cast<unsigned char>(color->red()),
      static_cast<unsigned char>(color->green()),
      static_cast<unsigned char>(color->blue()),
      255);
  painter->DrawLine(left, y, left + float(SymbolWidth), y);
  painter->ApplyTextProp(GetLabelProperties());
  painter->DrawString(left + float(SymbolWidth + Padding), y, label);
}

bool SurrogateModelLinePatternLegend::Paint(vtkContext2D* painter)
{
  if (!GetVisible())
    return true;
  const vtkRectf rect = GetBoundingRect(painter);
  painter->ApplyPen(GetPen());
  painter->ApplyBrush(GetBrush());
  painter->DrawRect(rect.GetX(), rect.GetY(), rect.GetWidth(), rect.GetHeight());
  const float row = rowHeight(painter);
  const bool solidColors = !(m_colorByData && m_colorByData->value());
  const QColor line = m_lineColor ? m_lineColor->value() : QColor(Qt::red);
  const QColor derived = m_derivedDataLineColor ? m_derivedDataLineColor->value() : QColor(Qt::red);
  const float top = rect.GetY() + rect.GetHeight() - float(Padding) / 2;
  drawRow(painter, vtkPen::SOLID_LINE, solidColors ? &line : nullptr, top - row / 2, dataLabel);
  drawRow(
    painter, vtkPen::DASH_LINE, solidColors ? &derived : nullptr, top - 1.5f * row, derivedLabel);
  return true;
}
