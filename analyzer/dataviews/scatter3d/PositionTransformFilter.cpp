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
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSOADataArrayTemplate.h>

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

/// Where the x, y and z values of double points lie: interleaved (stride 3) or in three
/// arrays of their own (stride 1), as points read in place from table columns are.
struct Coordinates
{
  const double* axis[3] = { nullptr, nullptr, nullptr };
  vtkIdType stride = 0;
};

bool findCoordinates(vtkPoints& points, Coordinates& found)
{
  vtkDataArray* data = points.GetData();
  if (auto* interleaved = vtkAOSDataArrayTemplate<double>::FastDownCast(data))
  {
    const double* xyz = interleaved->GetPointer(0);
    found = { { xyz, xyz + 1, xyz + 2 }, 3 };
    return true;
  }
  auto* apart = vtkSOADataArrayTemplate<double>::FastDownCast(data);
  if (!apart || apart->GetNumberOfComponents() != 3)
    return false;
  for (int axis = 0; axis < 3; ++axis)
    found.axis[axis] = apart->GetComponentArrayPointer(axis);
  found.stride = 1;
  return found.axis[0] && found.axis[1] && found.axis[2];
}

/// Each axis scaled and shifted on its own, as the axes box's mapping does. The coordinates
/// are only read (x, y and z may be one array); the output is other memory.
template<vtkIdType Stride>
void scaleAndShift(const double* __restrict x,
  const double* __restrict y,
  const double* __restrict z,
  double* __restrict out,
  vtkIdType count,
  const double (&m)[3][4])
{
  for (vtkIdType i = 0; i < count; ++i)
  {
    out[3 * i] = m[0][0] * x[Stride * i] + m[0][3];
    out[3 * i + 1] = m[1][1] * y[Stride * i] + m[1][3];
    out[3 * i + 2] = m[2][2] * z[Stride * i] + m[2][3];
  }
}

template<vtkIdType Stride>
void moveAlong(const Coordinates& in,
  double* __restrict out,
  vtkIdType count,
  const double (&m)[3][4])
{
  if (scalesAxesApart(m))
  {
    scaleAndShift<Stride>(in.axis[0], in.axis[1], in.axis[2], out, count, m);
    return;
  }
  for (vtkIdType i = 0; i < count; ++i)
  {
    const double p[3] = { in.axis[0][Stride * i], in.axis[1][Stride * i], in.axis[2][Stride * i] };
    for (int axis = 0; axis < 3; ++axis)
      out[3 * i + axis] = m[axis][0] * p[0] + m[axis][1] * p[1] + m[axis][2] * p[2] + m[axis][3];
  }
}

/// Double points through a linear transform in one serial pass. The work per point is a few
/// operations: handing slices of it to the thread pool costs more than it saves when the cores
/// are busy. Valid points (all finite) land where vtkLinearTransform puts them.
void moveLinearly(const Coordinates& in,
  vtkIdType count,
  vtkLinearTransform& transform,
  vtkPoints& result)
{
  transform.Update();
  // A copy, so that the loop keeps it in registers: the output could alias the matrix.
  double m[3][4];
  std::copy(
    &transform.GetMatrix()->Element[0][0], &transform.GetMatrix()->Element[0][0] + 12, &m[0][0]);
  auto* out = vtkAOSDataArrayTemplate<double>::FastDownCast(result.GetData())->GetPointer(0);
  if (in.stride == 1)
    moveAlong<1>(in, out, count, m);
  else
    moveAlong<3>(in, out, count, m);
}

/// Interleaved double points with the same coordinates, for the superclass's general path.
vtkSmartPointer<vtkPolyData> withInterleavedPoints(vtkPolyData& input)
{
  auto copy = vtkSmartPointer<vtkPolyData>::New();
  copy->ShallowCopy(&input);
  vtkNew<vtkPoints> points;
  points->SetDataTypeToDouble();
  points->GetData()->DeepCopy(input.GetPoints()->GetData());
  copy->SetPoints(points);
  return copy;
}

} // namespace

int PositionTransformFilter::RequestData(vtkInformation* request,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkPolyData* input = vtkPolyData::GetData(inputVector[0]);
  vtkPolyData* output = vtkPolyData::GetData(outputVector);
  vtkPoints* points = input ? input->GetPoints() : nullptr;
  // No points to move, as when an axis shows a text variable: nothing is drawn.
  if (!points)
  {
    output->Initialize();
    return 1;
  }
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
  Coordinates coordinates;
  int result = 1;
  if (linear && points && findCoordinates(*points, coordinates) && !hasOrientedData(*input) &&
      GetOutputPointsPrecision() != vtkAlgorithm::SINGLE_PRECISION)
  {
    const vtkSmartPointer<vtkPoints> moved =
      reusablePoints(m_transformed, *output, points->GetNumberOfPoints());
    moveLinearly(coordinates, points->GetNumberOfPoints(), *linear, *moved);
    output->ShallowCopy(input);
    output->SetPoints(moved);
  }
  else if (points && vtkSOADataArrayTemplate<double>::FastDownCast(points->GetData()))
  {
    // The general path reads points through a raw pointer, which needs them interleaved.
    vtkNew<vtkTransformPolyDataFilter> general;
    general->SetTransform(transform);
    general->SetOutputPointsPrecision(GetOutputPointsPrecision());
    general->SetInputData(withInterleavedPoints(*input));
    general->Update();
    output->ShallowCopy(general->GetOutput());
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
