#include "analyzer/dataviews/line/FilteredCasesSource.h"

#include "host/pipeline/DataPipelineManagerInterface.h"

#include <cstring>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(FilteredCasesSource);

FilteredCasesSource::FilteredCasesSource()
{
  SetNumberOfInputPorts(0);
}

FilteredCasesSource::~FilteredCasesSource() = default;

void FilteredCasesSource::setPipeline(
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline)
{
  m_pipeline = std::move(pipeline);
  m_dataChanged = m_pipeline->signalFilteredDataChanged.connect([this] { Modified(); });
  Modified();
}

int FilteredCasesSource::RequestData(vtkInformation*,
  vtkInformationVector**,
  vtkInformationVector* outputVector)
{
  vtkTable* output = vtkTable::GetData(outputVector);
  if (!m_pipeline)
    return 1;
  vtkTableAlgorithm* cases = m_pipeline->filteredOutput();
  cases->Update();
  vtkTable* table = cases->GetOutput();
  for (vtkIdType i = 0; i < table->GetNumberOfColumns(); ++i)
  {
    vtkAbstractArray* column = table->GetColumn(i);
    const char* name = column->GetName();
    if (!name || std::strcmp(name, DataPipelineManagerInterface::selectionMaskName) != 0)
      output->AddColumn(column);
  }
  return 1;
}
