#include "analyzer/dataviews/scatter3d/PlainLabelsCubeAxesActor.h"

#include <algorithm>
#include <cmath>
#include <vtkObjectFactory.h>

vtkStandardNewMacro(PlainLabelsCubeAxesActor);

namespace
{

/// Whole numbers up to this many digits are printed in full, as "%g" does.
const int wholeDigits = 6;
/// Beyond this a double's digits are noise.
const int mostDigits = 15;

int exponent(double value)
{
  return static_cast<int>(std::floor(std::log10(value)));
}

} // namespace

int PlainLabelsCubeAxesActor::RenderOpaqueGeometry(vtkViewport* viewport)
{
  // The axes take the format from the box on every render; ranges change it.
  SetLabelFormat(labelFormat(GetRanges(), GetNumberOfLabels()).c_str());
  return Superclass::RenderOpaqueGeometry(viewport);
}

std::string PlainLabelsCubeAxesActor::labelFormat(const double ranges[6], int labelCount)
{
  int digits = 1;
  for (int axis = 0; axis < 3; ++axis)
    digits =
      std::max(digits, significantDigits(ranges[2 * axis], ranges[2 * axis + 1], labelCount));
  return "%." + std::to_string(digits) + "g";
}

int PlainLabelsCubeAxesActor::significantDigits(double min, double max, int labelCount)
{
  const double largest = std::max(std::abs(min), std::abs(max));
  const double step = std::abs(max - min) / std::max(labelCount - 1, 1);
  if (!std::isfinite(largest) || !(step > 0.0))
    return wholeDigits;
  // The leading digit of the largest label once rounded to the step: 999.96 in steps of 250
  // is printed as 1000.
  const double unit = std::pow(10.0, exponent(step));
  const int leading = exponent(std::max(std::round(largest / unit) * unit, unit));
  // Steps are not round numbers: one digit below the step's leading one.
  const int needed = leading - exponent(step) + 2;
  // Without enough digits "%g" would print 1000 as "1e+03".
  const int whole = std::min(leading + 1, wholeDigits);
  return std::clamp(std::max(needed, whole), 1, mostDigits);
}
