#pragma once

#include <string>

class LinePlot;
class LinePlotLegends;
class Serializer;

/// The elements a line plot is saved as, in their order, and the older forms it still reads:
/// "GroupLinesBy" and "GroupLinesByData" for the colour grouping, and "PlotType", which
/// "SymbolShape" follows.
class LinePlotElements
{
public:
  LinePlotElements(Serializer& root, LinePlot& view, LinePlotLegends& legends);
  LinePlotElements(const LinePlotElements&) = delete;
  LinePlotElements& operator=(const LinePlotElements&) = delete;

private:
  void readPlotType(const std::string& type);
  void readSymbolShape(int stored);

  LinePlot& m_view;
  /// "PlotType" "Lines" meant no symbols, whatever "SymbolShape" says.
  bool m_legacyLinesOnly = false;
};
