#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <vtkChartLegend.h>

class QColor;

/// Tells measured lines (solid, "Data") from surrogate-model lines (dashed, "Derived"). While
/// the lines are coloured by data their colours mean groups, so the legend draws both in its
/// own pen colour.
class SurrogateModelLinePatternLegend : public vtkChartLegend
{
public:
  static SurrogateModelLinePatternLegend* New();
  vtkTypeMacro(SurrogateModelLinePatternLegend, vtkChartLegend);

  static const char* const dataLabel;
  static const char* const derivedLabel;

  void setStyles(PropertyPtr<bool> colorByData,
    PropertyPtr<QColor> lineColor,
    PropertyPtr<QColor> derivedDataLineColor);

  void Update() override;
  vtkRectf GetBoundingRect(vtkContext2D* painter) override;
  bool Paint(vtkContext2D* painter) override;

protected:
  SurrogateModelLinePatternLegend();
  ~SurrogateModelLinePatternLegend() override;

private:
  float rowHeight(vtkContext2D* painter);
  void drawRow(vtkContext2D* painter,
    int lineType,
    const QColor* color,
    float y,
    const char* label);

  PropertyPtr<bool> m_colorByData;
  PropertyPtr<QColor> m_lineColor;
  PropertyPtr<QColor> m_derivedDataLineColor;

  SurrogateModelLinePatternLegend(const SurrogateModelLinePatternLegend&) = delete;
  void operator=(const SurrogateModelLinePatternLegend&) = delete;
};
