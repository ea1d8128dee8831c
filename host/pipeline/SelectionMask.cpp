#include "host/pipeline/SelectionMask.h"

#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/project/Project.h"

#include <algorithm>
#include <cstring>

namespace
{

// Fits the mask to the rows, all bits clear, or clears only the bits set before: a selection
// change then costs the size of the selections, not of the table.
void clearMask(vtkBitArray& mask, vtkIdType rows, std::vector<vtkIdType>& setBits)
{
  if (mask.GetNumberOfValues() != rows)
  {
    mask.SetNumberOfValues(rows);
    if (rows > 0)
      std::memset(mask.GetPointer(0), 0, static_cast<std::size_t>((rows + 7) / 8));
  }
  else
    for (vtkIdType row : setBits)
      mask.SetValue(row, 0);
  setBits.clear();
}

} // namespace

SelectionMask::SelectionMask()
{
  m_unfiltered->SetName(DataPipelineManagerInterface::selectionMaskName);
  m_filtered->SetName(DataPipelineManagerInterface::selectionMaskName);
}

void SelectionMask::select(const std::set<uint64_t>& caseIds, const Project& project)
{
  clearMask(*m_unfiltered, project.recordCount(), m_selectedRows);
  for (uint64_t caseId : caseIds)
  {
    const vtkIdType row = project.rowOf(caseId);
    if (row < 0)
      continue;
    m_unfiltered->SetValue(row, 1);
    m_selectedRows.push_back(row);
  }
}

void SelectionMask::follow(const std::vector<vtkIdType>& rows)
{
  clearMask(*m_filtered, static_cast<vtkIdType>(rows.size()), m_selectedFilteredRows);
  for (vtkIdType row : m_selectedRows)
  {
    const auto found = std::lower_bound(rows.begin(), rows.end(), row);
    if (found == rows.end() || *found != row)
      continue;
    const auto filteredRow = static_cast<vtkIdType>(found - rows.begin());
    m_filtered->SetValue(filteredRow, 1);
    m_selectedFilteredRows.push_back(filteredRow);
  }
}

void SelectionMask::announce()
{
  m_filtered->Modified();
  m_unfiltered->Modified();
}
