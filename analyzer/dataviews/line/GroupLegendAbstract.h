#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <string>
#include <vector>
#include <vtkChartLegend.h>

class vtkPlotPoints;

/// A legend of the groups of one grouping variable: the variable's name as a title and one row
/// per distinct value met in row 0 of the chart's plots, in value order, each with the style of
/// the first plot of that value. The rows are read from the chart whenever the legend lays
/// itself out, so they follow every rebuild of the chart.
class GroupLegendAbstract : public vtkChartLegend
{
public:
  vtkTypeMacro(GroupLegendAbstract, vtkChartLegend);

  struct Entry
  {
    std::string label;
    unsigned char color[3];
    int marker;
  };

  void setVariable(PropertyPtr<VariablePtr> variable) { m_variable = std::move(variable); }
  /// Reads the rows from the chart's plots; every layout does.
  void updateEntries();
  /// The rows as last read.
  const std::vector<Entry>& entries() const { return m_entries; }
  /// Rows drawn, the title's included, when each is `row` high within `available`: a legend
  /// taller than that shows the entries that fit and a last row counting the others.
  std::size_t rowsWithin(float row, float available) const;
  /// The height between the legend's point and the scene's edge it grows towards, less a
  /// margin: no legend grows out of its chart.
  float availableHeight();
  /// Space kept between a legend and the scene's edges, in pixels.
  static constexpr float edgeMargin = 10.0f;

  void Update() override;
  vtkRectf GetBoundingRect(vtkContext2D* painter) override;
  bool Paint(vtkContext2D* painter) override;

protected:
  GroupLegendAbstract();
  ~GroupLegendAbstract() override;

private:
  virtual void drawSymbol(vtkContext2D* painter, const Entry& entry, float x, float y) = 0;
  float rowHeight(vtkContext2D* painter);

  PropertyPtr<VariablePtr> m_variable;
  std::string m_title;
  std::vector<Entry> m_entries;

  GroupLegendAbstract(const GroupLegendAbstract&) = delete;
  void operator=(const GroupLegendAbstract&) = delete;
};
