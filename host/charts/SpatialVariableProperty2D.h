#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <cstdint>
#include <vector>
#include <vtkSmartPointer.h>

class Variable;
class vtkPlot;

/// The variable one coordinate of a chart's plots shows: every registered plot reads the
/// column named after the variable as that coordinate (0 for x, 1 for y).
class SpatialVariableProperty2D : public vantor::PropertyAbstract<WeakPtr<Variable, uint64_t>>
{
public:
  explicit SpatialVariableProperty2D(int coordinateIndex);
  ~SpatialVariableProperty2D() override;

  /// The plot reads the current variable's column at once and follows later changes.
  void addPlot(vtkPlot* plot);
  void clearPlots();
  /// Whether the variable can place points: it exists and holds numbers. A text variable has
  /// no positions, and a plot given its column as a coordinate fails to draw.
  bool placesPoints() const;

protected:
  void storeValue(const WeakPtr<Variable, uint64_t>& value) override;

private:
  WeakPtr<Variable, uint64_t> retrieveValue() const override { return m_value; }
  void applyTo(vtkPlot* plot) const;

  int m_coordinateIndex;
  WeakPtr<Variable, uint64_t> m_value;
  std::vector<vtkSmartPointer<vtkPlot>> m_plots;
};
