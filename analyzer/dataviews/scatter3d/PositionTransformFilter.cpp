#include "analyzer/dataviews/scatter3d/PositionTransformFilter.h"

#include <vtkAbstractTransform.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

vtkStandardNewMacro(PositionTransformFilter);

int PositionTransformFilter::RequestData(vtkInformation* request,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkPolyData* input = vtkPolyData::GetData(inputVector[0]);
  vtkPolyData* output = vtkPolyData::GetData(outputVector);
  vtkPoints* points = input ? input->GetPoints() : nullptr;
  vtkAbstractTransform* transform = GetTransform();
  if (points && transform && m_transformed && points == m_source &&
      points->GetMTime() == m_sourceTime && transform == m_transform &&
      transform->GetMTime() == m_transformTime)
  {
    output->ShallowCopy(input);
    output->SetPoints(m_transformed);
    return 1;
  }
  const int result = Superclass::RequestData(request, inputVector, outputVector);
  m_transformed = nullptr;
  if (result == 1 && points && transform)
  {
    m_source = points;
    m_sourceTime = points->GetMTime();
    m_transform = transform;
    m_transformTime = transform->GetMTime();
    m_transformed = output->GetPoints();
  }
  return result;
}
