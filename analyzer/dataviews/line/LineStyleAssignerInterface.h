#pragma once

#include <vector>
#include <vtkSmartPointer.h>

class vtkPlot;

/// Gives the plots of a line plot their style (colour or marker).
class LineStyleAssignerInterface
{
public:
  virtual void assign(const std::vector<vtkSmartPointer<vtkPlot>>& plots) = 0;
  virtual ~LineStyleAssignerInterface() = default;
};
