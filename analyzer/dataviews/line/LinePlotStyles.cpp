#include "analyzer/dataviews/line/LinePlotStyles.h"

#include "analyzer/dataviews/line/AutoSequencedValueLineStyleAssigner.h"
#include "analyzer/dataviews/line/PlotBuilderAbstract.h"
#include "analyzer/dataviews/line/SurrogateModelLinePatternLegend.h"
#include "host/project/Variable.h"
#include "property/PropertyAbstract.h"

#include <vtkPlotPoints.h>
#include <vtkTable.h>

namespace
{

/// Marker size at a symbol size of 1.
const float baseMarkerSize = 11.5f;
/// Marker style that keeps a lone case visible when no symbols are asked for.
const int circleMarker = vtkPlotPoints::CIRCLE;
const std::vector<unsigned long> groupColors = { 0xFF0000,
  0xFFA800,
  0x66CC33,
  0x05E0DB,
  0x0000FF,
  0x94147C };
const std::vector<int> groupMarkers = { vtkPlotPoints::PLUS,
  vtkPlotPoints::SQUARE,
  vtkPlotPoints::CROSS,
  vtkPlotPoints::CIRCLE,
  vtkPlotPoints::DIAMOND };

std::string variableName(const PropertyPtr<VariablePtr>& property)
{
  const auto variable = property->value().lock();
  return variable ? variable->name() : std::string();
}

/// "Name=value" of the plot's group for one grouping variable.
std::string groupLabel(vtkPlot& plot, const std::string& name)
{
  vtkTable* table = plot.GetInput();
  vtkAbstractArray* column = table ? table->GetColumnByName(name.c_str()) : nullptr;
  if (!column || column->GetNumberOfTuples() == 0)
    return name + "=";
  return name + "=" + column->GetVariantValue(0).ToString();
}

} // namespace

LinePlotStyles::LinePlotStyles(PlotBuilderAbstract& rawData,
  PropertyPtr<int> shape,
  PropertyPtr<float> size)
  : m_rawData(rawData)
  , m_shape(std::move(shape))
  , m_size(std::move(size))
{
}

void LinePlotStyles::colorGroups(const std::vector<vtkSmartPointer<vtkPlot>>& plots) const
{
  AutoSequencedValueLineStyleAssigner<unsigned long>(variableName(m_rawData.colorVar()),
    groupColors,
    [](vtkPlot* plot, unsigned long rgb)
    {
      plot->SetColor(static_cast<unsigned char>(rgb >> 16),
        static_cast<unsigned char>((rgb >> 8) & 0xFF),
        static_cast<unsigned char>(rgb & 0xFF),
        255);
    })
    .assign(plots);
}

void LinePlotStyles::label(const std::vector<vtkSmartPointer<vtkPlot>>& plots) const
{
  const bool byColor = m_rawData.colorByData()->value();
  const bool bySymbol = m_rawData.symbolByData()->value();
  if (!byColor && !bySymbol)
  {
    plots[0]->SetLabel(SurrogateModelLinePatternLegend::dataLabel);
    if (plots.size() > 1)
      plots[1]->SetLabel(SurrogateModelLinePatternLegend::derivedLabel);
    return;
  }
  const std::string colorName = variableName(m_rawData.colorVar());
  const std::string symbolName = variableName(m_rawData.symbolVar());
  for (const auto& plot : plots)
  {
    std::string label = byColor ? groupLabel(*plot, colorName) : std::string();
    if (bySymbol)
      label += (label.empty() ? "" : "; ") + groupLabel(*plot, symbolName);
    plot->SetLabel(label);
  }
}

void LinePlotStyles::applySymbols(const std::vector<vtkSmartPointer<vtkPlot>>& raw,
  const std::vector<vtkSmartPointer<vtkPlot>>& derived) const
{
  const float markerSize = m_size->value() * baseMarkerSize;
  if (m_rawData.symbolByData()->value())
  {
    auto plots = raw;
    plots.insert(plots.end(), derived.begin(), derived.end());
    AutoSequencedValueLineStyleAssigner<int>(variableName(m_rawData.symbolVar()),
      groupMarkers,
      [markerSize](vtkPlot* plot, int marker)
      {
        if (auto* points = vtkPlotPoints::SafeDownCast(plot))
        {
          points->SetMarkerStyle(marker);
          points->SetMarkerSize(markerSize);
        }
      })
      .assign(plots);
    return;
  }
  for (const auto& plot : raw)
    if (auto* points = vtkPlotPoints::SafeDownCast(plot))
    {
      vtkTable* table = points->GetInput();
      const bool lone = table && table->GetNumberOfRows() == 1;
      const int marker = m_shape->value();
      points->SetMarkerStyle(marker == vtkPlotPoints::NONE && lone ? circleMarker : marker);
      points->SetMarkerSize(markerSize);
    }
}
