#pragma once

#include <vector>

/// The values at which a plot asks the surrogate models about one input variable.
class InterpolationPointsInterface
{
public:
  virtual ~InterpolationPointsInterface() = default;
  virtual std::vector<double> points() const = 0;
};
