#include "host/pipeline/TableSourceAlgorithm.h"

#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(TableSourceAlgorithm);

TableSourceAlgorithm::TableSourceAlgorithm()
{
  SetNumberOfInputPorts(0);
}

int TableSourceAlgorithm::RequestData(vtkInformation*,
  vtkInformationVector**,
  vtkInformationVector* outputVector)
{
  vtkTable* output = vtkTable::GetData(outputVector);
  output->Initialize();
  if (m_fill)
    m_fill(*output);
  return 1;
}
