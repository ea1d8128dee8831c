#include "analyzer/dataviews/line/LinePlotLegends.h"

#include "analyzer/dataviews/line/ColorByLegend.h"
#include "analyzer/dataviews/line/PlotBuilderAbstract.h"
#include "analyzer/dataviews/line/ShowChartLegendProperty.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "analyzer/dataviews/line/SurrogateModelLinePatternLegend.h"
#include "analyzer/dataviews/line/SymbolByLegend.h"
#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "host/charts/ChartXY.h"
#include "host/serialization/Serializer.h"
#include "property/PropertyInstantiations.h"

#include <boost/make_shared.hpp>
#include <utility>

namespace
{

/// Distance of the first legend's corner from the upper right corner of the window.
const float legendMargin = 30.0f;

std::vector<float> legendPosition(vtkChartLegend& legend)
{
  const float* point = legend.GetPoint();
  return { point[0], point[1] };
}

void setLegendPosition(vtkChartLegend& legend, const std::vector<float>& position)
{
  if (position.size() == 2)
    legend.SetPoint(position[0], position[1]);
}

} // namespace

LinePlotLegends::LinePlotLegends(ChartXY& chart,
  PlotBuilderAbstract& rawData,
  boost::shared_ptr<SolidLineColorAssigner> lineColor,
  boost::shared_ptr<SolidLineColorAssigner> derivedLineColor,
  PropertyPtr<bool> derivedVisible)
{
  m_colorLegend->setVariable(rawData.colorVar());
  m_symbolLegend->setVariable(rawData.symbolVar());
  m_patternLegend->setStyles(
    rawData.colorByData(), std::move(lineColor), std::move(derivedLineColor));
  for (vtkChartLegend* legend :
    std::initializer_list<vtkChartLegend*>{ m_colorLegend, m_symbolLegend, m_patternLegend })
    chart.addLegend(legend);
  m_showLegend = boost::make_shared<ShowChartLegendProperty>(
    std::vector<ShowChartLegendProperty::LegendRelevance>{
      { m_colorLegend.Get(), rawData.colorByData() },
      { m_symbolLegend.Get(), rawData.symbolByData() },
      { m_patternLegend.Get(), std::move(derivedVisible) } });
  m_showLegendProxy =
    boost::make_shared<vantor::UndoablePropertyProxy<bool>>("Show Legend", m_showLegend);
}

LinePlotLegends::~LinePlotLegends() = default;

void LinePlotLegends::place(const int windowSize[2])
{
  // A window not yet shown has no corner to place them in.
  if (windowSize[0] <= 0 || windowSize[1] <= 0)
    return;
  float top = float(windowSize[1]) - legendMargin;
  const float right = float(windowSize[0]) - legendMargin;
  const std::pair<std::size_t, vtkChartLegend*> legends[] = {
    { 2, m_patternLegend }, { 0, m_colorLegend }, { 1, m_symbolLegend }
  };
  for (const auto& [index, legend] : legends)
  {
    const float* point = legend->GetPoint();
    const bool moved = point[0] != m_placedPoints[index][0] || point[1] != m_placedPoints[index][1];
    if (moved)
      continue;
    legend->SetPoint(right, top);
    m_placedPoints[index] = { right, top };
    if (legend->GetVisible())
      top -= legendHeight(index);
  }
}

/// The height a legend takes, from its rows; fonts are measured only when it paints.
float LinePlotLegends::legendHeight(std::size_t index)
{
  const float padding = float(m_colorLegend->GetPadding());
  const float row = float(m_colorLegend->GetLabelSize()) + 2.0f * padding;
  std::size_t rows = 2;
  if (index < 2)
  {
    GroupLegendAbstract& legend =
      index == 0 ? static_cast<GroupLegendAbstract&>(*m_colorLegend) : *m_symbolLegend;
    legend.updateEntries();
    rows = legend.rowsWithin(row, legend.availableHeight());
  }
  return row * float(rows) + 2.0f * padding;
}

void LinePlotLegends::addPositionElements(Serializer& root)
{
  using FloatList = VectorSerializer<float, boost::function<bool(const std::string&)>>;
  const std::pair<const char*, vtkChartLegend*> elements[] = { { "ColorByLegendPosition",
                                                                 m_colorLegend },
    { "SymbolByLegendPosition", m_symbolLegend },
    { "SurrogateModelLegendPosition", m_patternLegend } };
  for (const auto& [key, legend] : elements)
    root.addSubElement(boost::make_shared<FloatList>(
      key,
      [legend = legend] { return legendPosition(*legend); },
      [legend = legend](const std::vector<float>& position)
      { setLegendPosition(*legend, position); }));
}
