#include "analyzer/dataviews/scatter3d/EntireTableToPolyData.h"

#include <vtkCellArray.h>
#include <vtkDataArray.h>
#include <vtkDoubleArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSOADataArrayTemplate.h>
#include <vtkTable.h>

vtkStandardNewMacro(EntireTableToPolyData);

int EntireTableToPolyData::RequestData(vtkInformation* request,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkPolyData* output = vtkPolyData::GetData(outputVector);
  if (!input || !output)
  {
    vtkErrorMacro(<< "needs an input table");
    return 0;
  }
  for (const char* name : { GetXColumn(), GetYColumn(), GetZColumn() })
  {
    // A variable that is not a number has no place on an axis: nothing is drawn for it.
    if (!name || !vtkDataArray::SafeDownCast(input->GetColumnByName(name)))
    {
      output->Initialize();
      return 1;
    }
  }
  if (!reusePoints(*input, *output))
  {
    if (!buildPoints(*input, *output))
    {
      const int result = Superclass::RequestData(request, inputVector, outputVector);
      if (result != 1)
        return result;
    }
    remember(*input, *output);
  }
  vtkPointData* pointData = output->GetPointData();
  pointData->Initialize();
  for (vtkIdType c = 0; c < input->GetNumberOfColumns(); ++c)
    pointData->AddArray(input->GetColumn(c));
  return 1;
}

bool EntireTableToPolyData::buildPoints(vtkTable& input, vtkPolyData& output)
{
  vtkDoubleArray* columns[3];
  const char* names[3] = { GetXColumn(), GetYColumn(), GetZColumn() };
  for (int axis = 0; axis < 3; ++axis)
  {
    columns[axis] = vtkDoubleArray::FastDownCast(input.GetColumnByName(names[axis]));
    if (!columns[axis] || columns[axis]->GetNumberOfComponents() != 1)
      return false;
  }
  // Plain double columns, the usual case: the points are the columns themselves, read in
  // place, so that no pass copies a million positions; glyphs need no vertex cells.
  const vtkIdType rows = input.GetNumberOfRows();
  vtkNew<vtkSOADataArrayTemplate<double>> xyz;
  xyz->SetNumberOfComponents(3);
  for (int axis = 0; axis < 3; ++axis)
    xyz->SetArray(axis, columns[axis]->GetPointer(0), rows, true, true);
  vtkNew<vtkPoints> points;
  points->SetData(xyz);
  output.Initialize();
  output.SetPoints(points);
  return true;
}

bool EntireTableToPolyData::reusePoints(vtkTable& input, vtkPolyData& output)
{
  if (!m_points || GetMTime() > m_builtAt)
    return false;
  const Source current[3] = {
    source(input, GetXColumn()), source(input, GetYColumn()), source(input, GetZColumn())
  };
  for (int axis = 0; axis < 3; ++axis)
    if (!(current[axis] == m_sources[axis]))
      return false;
  output.Initialize();
  output.SetPoints(m_points);
  output.SetVerts(m_vertices);
  return true;
}

void EntireTableToPolyData::remember(vtkTable& input, vtkPolyData& output)
{
  m_sources[0] = source(input, GetXColumn());
  m_sources[1] = source(input, GetYColumn());
  m_sources[2] = source(input, GetZColumn());
  m_points = output.GetPoints();
  m_vertices = output.GetVerts();
  m_builtAt = GetMTime();
}

EntireTableToPolyData::Source EntireTableToPolyData::source(vtkTable& input, const char* name) const
{
  vtkAbstractArray* column = input.GetColumnByName(name);
  if (!column)
    return {};
  auto* doubles = vtkDoubleArray::FastDownCast(column);
  return { column,
    column->GetMTime(),
    doubles ? doubles->GetPointer(0) : nullptr,
    column->GetNumberOfValues() };
}
