#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SignalConnectionCollection.h"
#include "property/Property.h"

#include <utility>
#include <vector>
#include <vtkSmartPointer.h>

class vtkChartLegend;

/// Shows or hides several legends together, each only while its relevance property (if any)
/// is true; a change of a relevance property applies the current value again.
class ShowChartLegendProperty : public vantor::Property<bool>
{
public:
  using LegendRelevance = std::pair<vtkSmartPointer<vtkChartLegend>, PropertyPtr<bool>>;

  explicit ShowChartLegendProperty(std::vector<LegendRelevance> legends);
  ~ShowChartLegendProperty() override;

protected:
  void storeValue(const bool& show) override;

private:
  void applyVisibility(bool show);

  std::vector<LegendRelevance> m_legends;
  SignalConnectionCollection m_connections;
};
