#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <array>
#include <boost/shared_ptr.hpp>
#include <vtkNew.h>

class ChartXY;
class ColorByLegend;
class PlotBuilderAbstract;
class QColor;
class Serializer;
class ShowChartLegendProperty;
class SolidLineColorAssigner;
class SurrogateModelLinePatternLegend;
class SymbolByLegend;
class vtkChartLegend;

/// The three legends of a line plot (colour groups, symbol groups, data against surrogate
/// lines), each shown where it is relevant while "Show Legend" is on, placed in the window's
/// upper right corner until the user moves them, and their saved positions.
class LinePlotLegends
{
public:
  LinePlotLegends(ChartXY& chart,
    PlotBuilderAbstract& rawData,
    boost::shared_ptr<SolidLineColorAssigner> lineColor,
    boost::shared_ptr<SolidLineColorAssigner> derivedLineColor,
    PropertyPtr<bool> derivedVisible);
  ~LinePlotLegends();
  LinePlotLegends(const LinePlotLegends&) = delete;
  LinePlotLegends& operator=(const LinePlotLegends&) = delete;

  /// "Show Legend", undoable.
  PropertyPtr<bool> showLegend() const { return m_showLegendProxy; }

  /// Legends the user has not moved sit in the upper right corner of a window of this size,
  /// one below the other, the short line-pattern legend first.
  void place(const int windowSize[2]);

  /// "ColorByLegendPosition", "SymbolByLegendPosition" and "SurrogateModelLegendPosition".
  void addPositionElements(Serializer& root);

private:
  float legendHeight(std::size_t index);

  vtkNew<ColorByLegend> m_colorLegend;
  vtkNew<SymbolByLegend> m_symbolLegend;
  vtkNew<SurrogateModelLinePatternLegend> m_patternLegend;
  boost::shared_ptr<ShowChartLegendProperty> m_showLegend;
  PropertyPtr<bool> m_showLegendProxy;
  /// Where each legend was last placed by the view; a legend elsewhere was put there.
  std::array<std::array<float, 2>, 3> m_placedPoints{};
};
