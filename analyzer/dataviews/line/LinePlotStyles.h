#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <vector>
#include <vtkSmartPointer.h>

class PlotBuilderAbstract;
class vtkPlot;

/// How a line plot styles the plots of a rebuild: group colours in turn while coloured by data,
/// labels naming each plot's groups, and markers (by symbol group, or the chosen shape and
/// size).
class LinePlotStyles
{
public:
  LinePlotStyles(PlotBuilderAbstract& rawData, PropertyPtr<int> shape, PropertyPtr<float> size);

  /// Red, orange, green, turquoise, blue and purple in turn, one per colour group.
  void colorGroups(const std::vector<vtkSmartPointer<vtkPlot>>& plots) const;
  /// "Data" and "Derived" without groupings, else the groups' values, e.g. "Mode=A; Run=2".
  void label(const std::vector<vtkSmartPointer<vtkPlot>>& plots) const;
  /// One marker per symbol group (the surrogate lines' included), or else the chosen shape on
  /// every case; a lone case without a shape is drawn as a circle.
  void applySymbols(const std::vector<vtkSmartPointer<vtkPlot>>& raw,
    const std::vector<vtkSmartPointer<vtkPlot>>& derived) const;

private:
  PlotBuilderAbstract& m_rawData;
  PropertyPtr<int> m_shape;
  PropertyPtr<float> m_size;
};
