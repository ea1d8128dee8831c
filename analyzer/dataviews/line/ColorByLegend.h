#pragma once

#include "analyzer/dataviews/line/GroupLegendAbstract.h"

/// The colours of the colour groups of a line plot.
class ColorByLegend : public GroupLegendAbstract
{
public:
  static ColorByLegend* New();
  vtkTypeMacro(ColorByLegend, GroupLegendAbstract);

protected:
  ColorByLegend() = default;
  ~ColorByLegend() override = default;

private:
  void drawSymbol(vtkContext2D* painter, const Entry& entry, float x, float y) override;

  ColorByLegend(const ColorByLegend&) = delete;
  void operator=(const ColorByLegend&) = delete;
};
