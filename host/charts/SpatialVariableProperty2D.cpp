#include "host/charts/SpatialVariableProperty2D.h"

#include "host/project/Variable.h"

#include <vtkPlot.h>

SpatialVariableProperty2D::SpatialVariableProperty2D(int coordinateIndex)
  : m_coordinateIndex(coordinateIndex)
{
}

SpatialVariableProperty2D::~SpatialVariableProperty2D() = default;

void SpatialVariableProperty2D::addPlot(vtkPlot* plot)
{
  m_plots.emplace_back(plot);
  applyTo(plot);
}

void SpatialVariableProperty2D::clearPlots()
{
  m_plots.clear();
}

bool SpatialVariableProperty2D::placesPoints() const
{
  const auto variable = m_value.lock();
  return variable && variable->isNumeric();
}

void SpatialVariableProperty2D::storeValue(const WeakPtr<Variable, uint64_t>& value)
{
  m_value = value;
  for (const auto& plot : m_plots)
    applyTo(plot);
}

void SpatialVariableProperty2D::applyTo(vtkPlot* plot) const
{
  const auto variable = m_value.lock();
  plot->SetInputArray(m_coordinateIndex, variable ? variable->name() : std::string());
}
