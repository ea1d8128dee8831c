#pragma once

#include <vtkSmartPointer.h>

class vtkCubeAxesActor2D;

/// The glyph size when glyphs are not sized by data: 4 % of the longest side of the axes box,
/// times the user's scaling factor.
class Scatter3DScaleFactorCalculator
{
public:
  explicit Scatter3DScaleFactorCalculator(vtkSmartPointer<vtkCubeAxesActor2D> axes);
  virtual ~Scatter3DScaleFactorCalculator();

  double scaleFactor(double scalingFactor) const;

private:
  vtkSmartPointer<vtkCubeAxesActor2D> m_axes;
};
