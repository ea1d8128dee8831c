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
    const vtkIdType row = project.rowOf(caseId);
    if (row >= 0)
      m_unfiltered->SetValue(row, 1);
  }
}

void SelectionMask::follow(const std::vector<vtkIdType>& rows)
{
  m_filtered->SetNumberOfValues(static_cast<vtkIdType>(rows.size()));
  if (rows.empty())
    return;
  // Bit by bit through the arrays' bytes: vtkBitArray::SetValue costs a call per bit.
  const unsigned char* from = m_unfiltered->GetPointer(0);
  unsigned char* to = m_filtered->GetPointer(0);
  std::memset(to, 0, (rows.size() + 7) / 8);
  for (std::size_t i = 0; i < rows.size(); ++i)
  {
    const auto row = static_cast<std::size_t>(rows[i]);
    if (from[row / 8] & (0x80 >> (row % 8)))
      to[i / 8] = static_cast<unsigned char>(to[i / 8] | (0x80 >> (i % 8)));
  }
}

void SelectionMask::announce()
{
  m_filtered->Modified();
  m_unfiltered->Modified();
}
