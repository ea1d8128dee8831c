#pragma once

#include <vector>
#include <vtkScalarBarWidget.h>

/// A colour bar whose labels sit at round numbers (multiples of 1, 2 or 5 times a power of
/// ten) inside the lookup table's range, rather than at evenly split raw values.
class NiceLabelsColorBarWidget : public vtkScalarBarWidget
{
public:
  vtkTypeMacro(NiceLabelsColorBarWidget, vtkScalarBarWidget);
  static NiceLabelsColorBarWidget* New();

  /// Places the labels for the current range of the bar's lookup table.
  void updateLabels();

  /// Round values from min to max, at most about maxCount of them; one value for an empty
  /// range.
  static std::vector<double> niceLabels(double min, double max, int maxCount);
  /// The round step (1, 2 or 5 times a power of ten) nearest above the given one.
  static double niceStep(double step);

protected:
  NiceLabelsColorBarWidget();
  ~NiceLabelsColorBarWidget() override = default;

private:
  static std::vector<double> labelsAt(double min, double max, double step);
  /// The next round step below a round step: 5 to 2, 2 to 1, 1 to 0.5.
  static double smallerNiceStep(double step);

  NiceLabelsColorBarWidget(const NiceLabelsColorBarWidget&) = delete;
  void operator=(const NiceLabelsColorBarWidget&) = delete;
};
