#include "analyzer/dataviews/table/RemoveHiddenColumns.h"

#include <cstring>
#include <vtkAbstractArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(RemoveHiddenColumns);

bool RemoveHiddenColumns::isHiddenColumnName(const char* name)
{
  return name && std::strstr(name, "!!!") != nullptr;
}

int RemoveHiddenColumns::RequestData(vtkInformation*,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkTable* output = vtkTable::GetData(outputVector);
  if (!input || !output)
    return 0;
  output->Initialize();
  for (vtkIdType column = 0; column < input->GetNumberOfColumns(); ++column)
  {
    vtkAbstractArray* array = input->GetColumn(column);
    if (!isHiddenColumnName(array->GetName()))
      output->AddColumn(array);
  }
  return 1;
}
