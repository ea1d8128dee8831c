#include "analyzer/dataviews/scatter3d/Scatter3DScaleFactorCalculator.h"

#include <algorithm>
#include <vtkCubeAxesActor2D.h>

Scatter3DScaleFactorCalculator::Scatter3DScaleFactorCalculator(
  vtkSmartPointer<vtkCubeAxesActor2D> axes)
  : m_axes(std::move(axes))
{
}

Scatter3DScaleFactorCalculator::~Scatter3DScaleFactorCalculator() = default;

double Scatter3DScaleFactorCalculator::scaleFactor(double scalingFactor) const
{
  const double* bounds = m_axes->GetBounds();
  double longest =
    std::max({ bounds[1] - bounds[0], bounds[3] - bounds[2], bounds[5] - bounds[4] });
  if (longest == 0.0)
    longest = 1.0;
  return longest * 0.04 * scalingFactor;
}
