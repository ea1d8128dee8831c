#pragma once

#include <string>
#include <vtkCubeAxesActor2D.h>

/// The axes box, its labels printed plainly ("318", "0.5", "1e+06": no trailing dot or zeros),
/// each axis with as many digits as its range needs to tell its labels apart.
class PlainLabelsCubeAxesActor : public vtkCubeAxesActor2D
{
public:
  vtkTypeMacro(PlainLabelsCubeAxesActor, vtkCubeAxesActor2D);
  static PlainLabelsCubeAxesActor* New();

  int RenderOpaqueGeometry(vtkViewport* viewport) override;

  /// A printf format for labels splitting the range from first to last into labelCount - 1
  /// equal steps.
  static std::string labelFormat(double first, double last, int labelCount);

protected:
  PlainLabelsCubeAxesActor() = default;
  ~PlainLabelsCubeAxesActor() override = default;

private:
  PlainLabelsCubeAxesActor(const PlainLabelsCubeAxesActor&) = delete;
  void operator=(const PlainLabelsCubeAxesActor&) = delete;
};
