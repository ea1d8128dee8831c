#include "analyzer/dataviews/scatter3d/ReusablePoints.h"

#include <vtkPoints.h>
#include <vtkPolyData.h>

vtkSmartPointer<vtkPoints> reusablePoints(const vtkSmartPointer<vtkPoints>& kept,
  vtkPolyData& output,
  vtkIdType count)
{
  const int holders = output.GetPoints() == kept.Get() ? 2 : 1;
  if (kept && kept->GetDataType() == VTK_DOUBLE && kept->GetReferenceCount() == holders)
  {
    kept->SetNumberOfPoints(count);
    kept->Modified();
    return kept;
  }
  auto points = vtkSmartPointer<vtkPoints>::New();
  points->SetDataTypeToDouble();
  points->SetNumberOfPoints(count);
  return points;
}
