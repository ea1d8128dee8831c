#pragma once

#include <vtkSmartPointer.h>
#include <vtkType.h>

class vtkPoints;
class vtkPolyData;

/// Double points of the given count for a filter to write its new output into: the points it
/// kept from last time when only the filter and its output hold them, so that a million new
/// positions reuse warm memory and nobody else sees them change; new points otherwise.
vtkSmartPointer<vtkPoints> reusablePoints(const vtkSmartPointer<vtkPoints>& kept,
  vtkPolyData& output,
  vtkIdType count);
