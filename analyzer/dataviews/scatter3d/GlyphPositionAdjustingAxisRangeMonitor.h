#pragma once

#include <boost/shared_ptr.hpp>
#include <memory>
#include <vector>
#include <vtkSmartPointer.h>

class AxisDetailsInterface;
class vtkTransformPolyDataFilter;

/// Keeps the glyphs where the axes' labels say they are: whenever a range or a bound of an
/// axis changes, the position transform maps every axis's range onto its bounds.
class GlyphPositionAdjustingAxisRangeMonitor
{
public:
  GlyphPositionAdjustingAxisRangeMonitor(vtkSmartPointer<vtkTransformPolyDataFilter> transform,
    std::vector<boost::shared_ptr<AxisDetailsInterface>> axes);
  virtual ~GlyphPositionAdjustingAxisRangeMonitor();

private:
  void recompute();

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
