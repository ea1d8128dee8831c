#include "analyzer/dataviews/scatter3d/PositionTransformFilter.h"

#include "analyzer/dataviews/scatter3d/ReusablePoints.h"

#include <algorithm>
#include <vtkAbstractTransform.h>
#include <vtkCellData.h>
#include <vtkDoubleArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkLinearTransform.h>
#include <vtkMatrix4x4.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

vtkStandardNewMacro(PositionTransformFilter);

namespace
{

/// Whether the superclass would transform more than the points.
bool hasOrientedData(vtkPolyData& input)
{
  return input.GetPointData()->GetNormals() || input.GetPointData()->GetVectors() ||
         input.GetCellData()->GetNormals() || input.GetCellData()->GetVectors();
}

/// Whether the matrix only scales and translates each axis, as the axes box's mapping does.
bool scalesAxesApart(const double (&m)[3][4])
{
  return m[0][1] == 0.0 && m[0][2] == 0.0 && m[1][0] == 0.0 && m[1][2] == 0.0 && m[2][0] == 0.0 &&
         m[2][1] == 0.0;
}

/// Each axis scaled and shifted on its own. Two points a step as six values of one pattern,
/// which the compiler moves as vectors; the output is other memory than the input.
void scaleAndShift(const double* __restrict in,
  double* __restrict out,
  vtkIdType count,
  const double (&m)[3][4])
{
  const double scale[6] = { m[0][0], m[1][1], m[2][2], m[0][0], m[1][1], m[2][2] };
  const double shift[6] = { m[0][3], m[1][3], m[2][3], m[0][3], m[1][3], m[2][3] };
  const vtkIdType values = 3 * count;
  vtkIdType i = 0;
  for (; i + 6 <= values; i += 6)
    for (int k = 0; k < 6; ++k)
      out[i + k] = scale[k] * in[i + k] + shift[k];
  for (int k = 0; i < values; ++i, ++k)
    out[i] = scale[k] * in[i] + shift[k];
}

/// Double points through a linear transform in one serial pass. The work per point is a few
/// operations: handing slices of it to the thread pool costs more than it saves when the cores
/// are busy. Valid points (all finite) land where vtkLinearTransform puts them.
void moveLinearly(vtkPoints& points, vtkLinearTransform& transform, vtkPoints& result)
{
  transform.Update();
  // A copy, so that the loop keeps it in registers: the output could alias the matrix.
  double m[3][4];
  std::copy(
    &transform.GetMatrix()->Element[0][0], &transform.GetMatrix()->Element[0][0] + 12, &m[0][0]);
  const vtkIdType count = points.GetNumberOfPoints();
  const auto* in = static_cast<const double*>(points.GetVoidPointer(0));
  auto* out = static_cast<double*>(result.GetVoidPointer(0));
  if (scalesAxesApart(m))
  {
    scaleAndShift(in, out, count, m);
    return;
  }
  for (vtkIdType i = 0; i < 3 * count; i += 3)
    for (int axis = 0; axis < 3; ++axis)
      out[i + axis] =
        m[axis][0] * in[i] + m[axis][1] * in[i + 1] + m[axis][2] * in[i + 2] + m[axis][3];
}

} // namespace

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
  auto* linear = vtkLinearTransform::SafeDownCast(transform);
  int result = 1;
  if (linear && points && points->GetDataType() == VTK_DOUBLE && !hasOrientedData(*input) &&
      GetOutputPointsPrecision() != vtkAlgorithm::SINGLE_PRECISION)
  {
    const vtkSmartPointer<vtkPoints> moved =
      reusablePoints(m_transformed, *output, points->GetNumberOfPoints());
    moveLinearly(*points, *linear, *moved);
    output->ShallowCopy(input);
    output->SetPoints(moved);
  }
  else
    result = Superclass::RequestData(request, inputVector, outputVector);
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
