#include "analyzer/dataviews/line/SortTable.h"

#include "analyzer/dataviews/line/AlgorithmProperty.h"
#include "analyzer/dataviews/line/ColumnKeys.h"
#include "analyzer/dataviews/line/RowGather.h"
#include "host/core/UndoStack.h"
#include "host/project/Variable.h"
#include "property/PropertyInstantiations.h"

#include <boost/make_shared.hpp>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(SortTable);

namespace
{

/// Carries no text: the message is the algorithm's own.
struct SortError
{
};

const char* const missingColumnText = "Array to sort by does not exist in the input table.";

} // namespace

SortTable::SortTable()
{
  UndoStack::SuspendUndoRecording suspend;
  m_sortBy = boost::make_shared<AlgorithmProperty<VariableHandle>>(this);
  m_sortByProxy =
    boost::make_shared<vantor::UndoablePropertyProxy<VariableHandle>>("Sort By", m_sortBy);
}

SortTable::~SortTable() = default;

boost::shared_ptr<vantor::PropertyAbstract<SortTable::VariableHandle>> SortTable::sortBy()
{
  return m_sortByProxy;
}

void SortTable::PrintSelf(ostream& os, vtkIndent indent)
{
  Superclass::PrintSelf(os, indent);
  const auto variable = m_sortBy->value().lock();
  os << indent << "Array To Sort By: " << (variable ? variable->name() : std::string()) << "\n";
}

int SortTable::RequestData(vtkInformation*,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  m_lastError.clear();
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkTable* output = vtkTable::GetData(outputVector);
  output->Initialize();
  try
  {
    const auto variable = m_sortBy->value().lock();
    if (!variable)
      throw SortError();
    vtkAbstractArray* column = input->GetColumnByName(variable->name().c_str());
    if (!column)
      throw SortError();
    gatherRows(input, ColumnKeys(column).sortedRows(), output);
  }
  catch (const SortError&)
  {
    m_lastError = missingColumnText;
    vtkErrorMacro(<< m_lastError);
    return 0;
  }
  return 1;
}
