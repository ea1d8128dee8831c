#include "analyzer/dataviews/scatter2d/ConstraintColumnAdder.h"

#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/plotsupport/InvalidPointsFilter.h"
#include "host/project/Variable.h"
#include "host/vtkutil/RecordTableUtils.h"

#include <vtkCharArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkIntArray.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(ConstraintColumnAdder);

const char* const ConstraintColumnAdder::columnName = "Constraint Coloring";

namespace
{

/// The category of a case, or -1 when it violates a filter of neither kind of variable.
int category(const std::set<WeakPtr<Variable>>& violated)
{
  int independent = 0;
  int dependent = 0;
  for (const auto& handle : violated)
  {
    const auto variable = handle.lock();
    if (!variable)
      continue;
    if (variable->nature() == Variable::Independent)
      ++independent;
    else if (variable->nature() == Variable::Dependent)
      ++dependent;
    else
      return -1;
  }
  if (independent > 0)
    return 1;
  return dependent == 0 ? 0 : dependent == 1 ? 2 : 3;
}

} // namespace

ConstraintColumnAdder::ConstraintColumnAdder() = default;
ConstraintColumnAdder::~ConstraintColumnAdder() = default;

void ConstraintColumnAdder::setConstraintSource(const DataPipelineManagerInterface* source)
{
  m_connections.clear();
  m_source = source;
  if (m_source)
  {
    m_connections.add(m_source->signalFilterSetChanged.connect([this] { Modified(); }));
    m_connections.add(m_source->signalFilteredDataChanged.connect([this] { Modified(); }));
  }
  Modified();
}

int ConstraintColumnAdder::RequestData(vtkInformation*,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkTable* output = vtkTable::GetData(outputVector);
  output->ShallowCopy(input);
  const vtkIdType rows = input->GetNumberOfRows();
  vtkNew<vtkIntArray> categories;
  categories->SetName(columnName);
  categories->SetNumberOfValues(rows);
  // The input's own marks are kept; this column is the output's, not shared with the input.
  vtkNew<vtkCharArray> valid;
  valid->SetName(InvalidPointsFilter::validPointsArrayName);
  valid->SetNumberOfValues(rows);
  vtkAbstractArray* inputValid = input->GetColumnByName(InvalidPointsFilter::validPointsArrayName);
  for (vtkIdType row = 0; row < rows; ++row)
  {
    const int value =
      m_source ? category(m_source->violatedVariables(RecordTableUtils::caseIDAtRow(input, row)))
               : 0;
    const bool wasValid = !inputValid || inputValid->GetVariantValue(row).ToInt() != 0;
    categories->SetValue(row, value < 0 ? 0 : value);
    valid->SetValue(row, value >= 0 && wasValid ? 1 : 0);
  }
  output->RemoveColumnByName(columnName);
  output->RemoveColumnByName(InvalidPointsFilter::validPointsArrayName);
  output->AddColumn(categories);
  output->AddColumn(valid);
  return 1;
}
