#pragma once

#include <string>
#include <vtkCubeAxesActor2D.h>

/// The axes box, its labels printed plainly ("318", "0.5", "1e+06": no trailing dot or zeros)
/// with as many digits as the axis ranges need to tell the labels apart.
class PlainLabelsCubeAxesActor : public vtkCubeAxesActor2D
{
public:
  vtkTypeMacro(PlainLabelsCubeAxesActor, vtkCubeAxesActor2D);
  static PlainLabelsCubeAxesActor* New();

  int RenderOpaqueGeometry(vtkViewport* viewport) override;

  /// A printf format for labels splitting each of the three ranges (min, max pairs) into
  /// labelCount - 1 equal steps.
  static std::string labelFormat(const double ranges[6], int labelCount);

protected:
  PlainLabelsCubeAxesActor() = default;
  ~PlainLabelsCubeAxesActor() override = default;

private:
  /// Significant digits that tell apart labels of a range split into equal steps.
  static int significantDigits(double min, double max, int labelCount);

  PlainLabelsCubeAxesActor(const PlainLabelsCubeAxesActor&) = delete;
  void operator=(const PlainLabelsCubeAxesActor&) = delete;
};
