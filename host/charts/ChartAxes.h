#pragma once

/// The chart axis indices the views use: vtkAxis::LEFT holds y, vtkAxis::BOTTOM holds x.
namespace ChartAxes
{
constexpr int left = 0;
constexpr int bottom = 1;
} // namespace ChartAxes
