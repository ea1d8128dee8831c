#include "analyzer/dataviews/line/ShowChartLegendProperty.h"

#include <vtkChartLegend.h>

ShowChartLegendProperty::ShowChartLegendProperty(std::vector<LegendRelevance> legends)
  : vantor::Property<bool>(true)
  , m_legends(std::move(legends))
{
  for (const auto& legend : m_legends)
    if (legend.second)
      m_connections.add(
        legend.second->signalValueChanged.connect([this](bool) { applyVisibility(value()); }));
  applyVisibility(true);
}

ShowChartLegendProperty::~ShowChartLegendProperty() = default;

void ShowChartLegendProperty::storeValue(const bool& show)
{
  applyVisibility(show);
  vantor::Property<bool>::storeValue(show);
}

void ShowChartLegendProperty::applyVisibility(bool show)
{
  for (const auto& legend : m_legends)
    legend.first->SetVisible(show && (!legend.second || legend.second->value()));
}
