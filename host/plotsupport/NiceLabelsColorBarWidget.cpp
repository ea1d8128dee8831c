#include "host/plotsupport/NiceLabelsColorBarWidget.h"

#include <cmath>
#include <vtkDoubleArray.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkScalarBarActor.h>
#include <vtkScalarsToColors.h>

vtkStandardNewMacro(NiceLabelsColorBarWidget);

namespace
{
constexpr int labelCount = 6;
}

NiceLabelsColorBarWidget::NiceLabelsColorBarWidget()
{
  CreateDefaultRepresentation();
  GetScalarBarActor()->SetUseCustomLabels(true);
}

void NiceLabelsColorBarWidget::updateLabels()
{
  vtkScalarBarActor* bar = GetScalarBarActor();
  vtkScalarsToColors* table = bar->GetLookupTable();
  if (!table)
    return;
  const double* range = table->GetRange();
  vtkNew<vtkDoubleArray> labels;
  for (double value : niceLabels(range[0], range[1], labelCount))
    labels->InsertNextValue(value);
  bar->SetCustomLabels(labels);
}

std::vector<double> NiceLabelsColorBarWidget::niceLabels(double min, double max, int maxCount)
{
  if (!(max > min) || maxCount < 2)
    return { min };
  // The finest round step that still gives no more than maxCount labels.
  double step = niceStep((max - min) / (maxCount - 1));
  while (labelsAt(min, max, smallerNiceStep(step)).size() <= static_cast<std::size_t>(maxCount))
    step = smallerNiceStep(step);
  return labelsAt(min, max, step);
}

std::vector<double> NiceLabelsColorBarWidget::labelsAt(double min, double max, double step)
{
  std::vector<double> labels;
  // A little slack keeps an end that rounding moved a hair outside the range.
  const double slack = step * 1e-6;
  for (double k = std::ceil((min - slack) / step); k * step <= max + slack; k += 1.0)
  {
    const double value = k * step;
    labels.push_back(std::abs(value) < slack ? 0.0 : value);
  }
  return labels;
}

double NiceLabelsColorBarWidget::smallerNiceStep(double step)
{
  const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double mantissa = std::round(step / power);
  if (mantissa >= 5.0)
    return 2.0 * power;
  if (mantissa >= 2.0)
    return power;
  return 0.5 * power;
}

double NiceLabelsColorBarWidget::niceStep(double step)
{
  const double power = std::pow(10.0, std::floor(std::log10(step)));
  const double fraction = step / power;
  if (fraction <= 1.0)
    return power;
  if (fraction <= 2.0)
    return 2.0 * power;
  if (fraction <= 5.0)
    return 5.0 * power;
  return 10.0 * power;
}
