#include "analyzer/dataviews/scatter3d/PlainLabelsCubeAxesActor.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vtkAxisActor2D.h>
#include <vtkObjectFactory.h>

vtkStandardNewMacro(PlainLabelsCubeAxesActor);

namespace
{

/// Whole numbers of up to this many digits are printed in full, as "%g" does.
const int wholeDigits = 6;
/// Fewer would print an end of 72.8 as "73".
const int fewestDigits = 3;
/// Beyond this a double's digits are noise.
const int mostDigits = 15;

int exponent(double value)
{
  return static_cast<int>(std::floor(std::log10(value)));
}

/// Significant digits that tell apart labels of a range split into equal steps.
int significantDigits(double first, double last, int labelCount)
{
  const double largest = std::max(std::abs(first), std::abs(last));
  const double step = std::abs(last - first) / std::max(labelCount - 1, 1);
  if (!std::isfinite(largest) || !(step > 0.0))
    return wholeDigits;
  // The leading digit of the largest label once rounded to the step: 999.96 in steps of 250
  // is printed as 1000.
  const double unit = std::pow(10.0, exponent(step));
  const int leading = exponent(std::max(std::round(largest / unit) * unit, unit));
  // Steps are not round numbers: one digit below the step's leading one.
  const int needed = leading - exponent(step) + 2;
  // Without enough digits "%g" would print 1000 as "1e+03"; labels in the millions all go
  // into exponent form alike.
  const int whole = leading < wholeDigits ? leading + 1 : 0;
  return std::clamp(std::max(needed, whole), fewestDigits, mostDigits);
}

} // namespace

int PlainLabelsCubeAxesActor::RenderOpaqueGeometry(vtkViewport* viewport)
{
  const int rendered = Superclass::RenderOpaqueGeometry(viewport);
  if (!RenderSomething)
    return rendered;
  // The box hands one format to its three axes: each is rebuilt with its own. Text is drawn
  // in the overlay pass, so only the rebuilt labels show.
  const std::pair<vtkAxisActor2D*, vtkTypeBool> axes[] = {
    { XAxis, XAxisVisibility }, { YAxis, YAxisVisibility }, { ZAxis, ZAxisVisibility }
  };
  for (const auto& [axis, visible] : axes)
  {
    if (!visible)
      continue;
    const double* range = axis->GetRange();
    axis->SetLabelFormat(labelFormat(range[0], range[1], axis->GetNumberOfLabels()).c_str());
    axis->RenderOpaqueGeometry(viewport);
  }
  return rendered;
}

std::string PlainLabelsCubeAxesActor::labelFormat(double first, double last, int labelCount)
{
  return "%." + std::to_string(significantDigits(first, last, labelCount)) + "g";
}
