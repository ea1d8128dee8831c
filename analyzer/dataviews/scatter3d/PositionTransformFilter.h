#pragma once

#include <vtkSmartPointer.h>
#include <vtkTransformPolyDataFilter.h>

class vtkPoints;

/// Moves the plotted points into the axes box. When only the point data changed upstream (a
/// new selection mask, say) the points transformed last time are used again.
class PositionTransformFilter : public vtkTransformPolyDataFilter
{
public:
  vtkTypeMacro(PositionTransformFilter, vtkTransformPolyDataFilter);
  static PositionTransformFilter* New();

protected:
  PositionTransformFilter() = default;
  ~PositionTransformFilter() override = default;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  vtkPoints* m_source = nullptr;
  vtkMTimeType m_sourceTime = 0;
  vtkAbstractTransform* m_transform = nullptr;
  vtkMTimeType m_transformTime = 0;
  vtkSmartPointer<vtkPoints> m_transformed;

  PositionTransformFilter(const PositionTransformFilter&) = delete;
  void operator=(const PositionTransformFilter&) = delete;
};
