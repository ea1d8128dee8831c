#include "analyzer/dataviews/table/UseFiltersProperty.h"

#include <vtkAlgorithmOutput.h>
#include <vtkTableAlgorithm.h>

UseFiltersProperty::UseFiltersProperty(vtkSmartPointer<vtkAlgorithm> target,
  vtkSmartPointer<vtkTableAlgorithm> filtered,
  vtkSmartPointer<vtkTableAlgorithm> unfiltered)
  : m_target(std::move(target))
  , m_filtered(std::move(filtered))
  , m_unfiltered(std::move(unfiltered))
{
  m_target->SetInputConnection(m_unfiltered->GetOutputPort());
}

void UseFiltersProperty::storeValue(const bool& useFilters)
{
  m_target->SetInputConnection((useFilters ? m_filtered : m_unfiltered)->GetOutputPort());
}

bool UseFiltersProperty::retrieveValue() const
{
  return m_target->GetNumberOfInputConnections(0) > 0 &&
         m_target->GetInputConnection(0, 0) == m_filtered->GetOutputPort();
}
