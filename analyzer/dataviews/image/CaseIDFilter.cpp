#include "analyzer/dataviews/image/CaseIDFilter.h"

#include "host/vtkutil/RecordTableUtils.h"

#include <vtkAbstractArray.h>
#include <vtkDataArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(CaseIDFilter);

CaseIDFilter::CaseIDFilter()
  : m_inputObserver([this] { Modified(); })
{
}

CaseIDFilter::~CaseIDFilter() = default;

void CaseIDFilter::setCaseIds(const std::vector<uint64_t>& caseIds)
{
  m_caseIds = caseIds;
  m_positions.clear();
  for (std::size_t i = 0; i < m_caseIds.size(); ++i)
    m_positions.emplace(m_caseIds[i], static_cast<vtkIdType>(i));
  Modified();
}

void CaseIDFilter::setInputAlgorithm(vtkAlgorithm* input)
{
  m_input = input;
  SetInputConnection(input ? input->GetOutputPort() : nullptr);
  m_inputObserver.observe(input);
}

void CaseIDFilter::suspend()
{
  m_inputObserver.stop();
}

void CaseIDFilter::resume()
{
  if (!m_inputObserver.isObserving())
    m_inputObserver.observe(m_input);
}

int CaseIDFilter::RequestData(vtkInformation*,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkTable* output = vtkTable::GetData(outputVector);
  const vtkIdType rows = static_cast<vtkIdType>(m_caseIds.size());
  output->Initialize();
  for (vtkIdType c = 0; c < input->GetNumberOfColumns(); ++c)
  {
    vtkAbstractArray* source = input->GetColumn(c);
    vtkSmartPointer<vtkAbstractArray> column =
      vtkSmartPointer<vtkAbstractArray>::Take(source->NewInstance());
    column->SetName(source->GetName());
    column->SetNumberOfComponents(source->GetNumberOfComponents());
    column->SetNumberOfTuples(rows);
    if (auto* data = vtkDataArray::SafeDownCast(column))
      data->Fill(0.0);
    output->AddColumn(column);
  }
  const vtkIdType inputRows = input->GetNumberOfRows();
  for (vtkIdType row = 0; row < inputRows && !m_positions.empty(); ++row)
  {
    const auto position = m_positions.find(RecordTableUtils::caseIDAtRow(input, row));
    if (position == m_positions.end())
      continue;
    for (vtkIdType c = 0; c < input->GetNumberOfColumns(); ++c)
      output->GetColumn(c)->SetTuple(position->second, row, input->GetColumn(c));
  }
  return 1;
}
