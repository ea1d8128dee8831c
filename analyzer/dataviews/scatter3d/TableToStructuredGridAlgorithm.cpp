#include "analyzer/dataviews/scatter3d/TableToStructuredGridAlgorithm.h"

#include "host/project/Variable.h"
#include "host/surrogate/InterpolationVariablesInterface.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"

#include <cmath>
#include <vtkDataArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkStructuredGrid.h>
#include <vtkTable.h>

vtkStandardNewMacro(TableToStructuredGridAlgorithm);

void TableToStructuredGridAlgorithm::setGridVariables(
  boost::shared_ptr<const SurrogateModelManagerInterface> candidates,
  boost::shared_ptr<const InterpolationVariablesInterface> employed)
{
  m_candidates = std::move(candidates);
  m_employed = std::move(employed);
  Modified();
}

void TableToStructuredGridAlgorithm::setResolution(uint32_t resolution)
{
  m_resolution = resolution;
  Modified();
}

void TableToStructuredGridAlgorithm::setDistributionCollection(CollectionProperty* collection)
{
  m_collection = collection;
  Modified();
}

uint64_t TableToStructuredGridAlgorithm::sampleCount(const std::string& variableName) const
{
  if (m_collection && m_collection->value().getMode(variableName) == 1)
  {
    const auto points = m_collection->value().getUserDistributionPoints(variableName);
    if (!points.empty())
      return points.size();
  }
  return m_resolution;
}

int TableToStructuredGridAlgorithm::RequestInformation(vtkInformation* request,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  std::vector<std::string> kept;
  if (m_candidates && m_employed)
    for (const auto& candidate : m_candidates->inputVariables())
      if (m_employed->isVariableEmployed(candidate))
        if (const auto variable = candidate.lock())
          kept.push_back(variable->name());
  const auto count = [&](std::size_t k) -> int
  { return k < kept.size() ? static_cast<int>(sampleCount(kept[k])) : 1; };
  SetWholeExtent(0, count(1) - 1, 0, count(0) - 1, 0, 0);
  return Superclass::RequestInformation(request, inputVector, outputVector);
}

bool TableToStructuredGridAlgorithm::tableMatchesGrid(vtkInformationVector** inputVector) const
{
  vtkTable* table = vtkTable::GetData(inputVector[0], 0);
  if (!table)
    return false;
  const vtkIdType points = static_cast<vtkIdType>(WholeExtent[1] - WholeExtent[0] + 1) *
                           (WholeExtent[3] - WholeExtent[2] + 1) *
                           (WholeExtent[5] - WholeExtent[4] + 1);
  if (table->GetNumberOfRows() != points)
    return false;
  for (const char* name : { XColumn, YColumn, ZColumn })
  {
    auto* column = vtkDataArray::SafeDownCast(name ? table->GetColumnByName(name) : nullptr);
    if (!column)
      return false;
    for (vtkIdType row = 0; row < points; ++row)
      if (!std::isfinite(column->GetTuple1(row)))
        return false;
  }
  return true;
}

int TableToStructuredGridAlgorithm::RequestData(vtkInformation* request,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  if (tableMatchesGrid(inputVector))
    return Superclass::RequestData(request, inputVector, outputVector);
  vtkStructuredGrid::GetData(outputVector, 0)->Initialize();
  return 1;
}
