#include "host/pipeline/SelectionMask.h"

#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/project/Project.h"

#include <cstring>

SelectionMask::SelectionMask()
{
  m_unfiltered->SetName(DataPipelineManagerInterface::selectionMaskName);
  m_filtered->SetName(DataPipelineManagerInterface::selectionMaskName);
}

void SelectionMask::select(const std::set<uint64_t>& caseIds, const Project& project)
{
  const vtkIdType rows = project.recordCount();
  m_unfiltered->SetNumberOfValues(rows);
  if (rows > 0)
    std::memset(m_unfiltered->GetPointer(0), 0, static_cast<std::size_t>((rows + 7) / 8));
  for (uint64_t caseId : caseIds)
  {
    const auto record = project.record(caseId).lock();
    if (record)
      m_unfiltered->SetValue(record->row(), 1);
  }
}

void SelectionMask::follow(const std::vector<vtkIdType>& rows)
{
  m_filtered->SetNumberOfValues(static_cast<vtkIdType>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    m_filtered->SetValue(static_cast<vtkIdType>(i), m_unfiltered->GetValue(rows[i]));
}

void SelectionMask::announce()
{
  m_filtered->Modified();
  m_unfiltered->Modified();
}
