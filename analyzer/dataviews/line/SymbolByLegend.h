#pragma once

#include "analyzer/dataviews/line/GroupLegendAbstract.h"

/// The markers of the symbol groups of a line plot.
class SymbolByLegend : public GroupLegendAbstract
{
public:
  static SymbolByLegend* New();
  vtkTypeMacro(SymbolByLegend, GroupLegendAbstract);

protected:
  SymbolByLegend() = default;
  ~SymbolByLegend() override = default;

private:
  void drawSymbol(vtkContext2D* painter, const Entry& entry, float x, float y) override;

  SymbolByLegend(const SymbolByLegend&) = delete;
  void operator=(const SymbolByLegend&) = delete;
};
