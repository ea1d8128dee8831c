#pragma once

/// How a plot colours its points.
enum Coloring_e
{
  SolidColor = 0,
  ByVariable = 1,
  ByRules = 2
};
