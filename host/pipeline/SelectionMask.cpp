#include "host/pipeline/SelectionMask.h"

#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/project/Project.h"
#include "host/project/Variable.h"
#include "host/vtkutil/RecordTableUtils.h"

#include <algorithm>
#include <cstring>

namespace
{

// Fits the mask to the rows, all bits clear. A few bits set before are cleared one by one, so
// that a small selection change costs the size of the selections, not of the table.
void clearMask(vtkBitArray& mask, vtkIdType rows, std::vector<vtkIdType>& setBits)
{
  const bool few = static_cast<vtkIdType>(setBits.size()) * 64 < rows;
  if (mask.GetNumberOfValues() == rows && few)
    for (vtkIdType row : setBits)
      mask.SetValue(row, 0);
  else
  {
    mask.SetNumberOfValues(rows);
    if (rows > 0)
      std::memset(mask.GetPointer(0), 0, static_cast<std::size_t>((rows + 7) / 8));
  }
  setBits.clear();
}

bool isSet(const unsigned char* bits, std::size_t index)
{
  return bits[index / 8] & (0x80 >> (index % 8));
}

void setBit(unsigned char* bits, vtkIdType index)
{
  bits[index / 8] |= static_cast<unsigned char>(0x80 >> (index % 8));
}
// The first entry from `from` on whose case id is not below the given one: by steps that
// double, then halving, so that a walk through ascending ids stays near where it was.
template<class Iterator>
Iterator firstNotBelow(Iterator from, Iterator end, uint64_t caseId)
{
  auto below = [](const auto& entry, uint64_t id) { return entry.first < id; };
  std::ptrdiff_t step = 1;
  Iterator low = from;
  while (end - low > step && below(low[step], caseId))
  {
    low += step;
    step *= 2;
  }
  return std::lower_bound(low, end - low > step ? low + step + 1 : end, caseId, below);
}

} // namespace

SelectionMask::SelectionMask()
{
  m_unfiltered->SetName(DataPipelineManagerInterface::selectionMaskName);
  m_filtered->SetName(DataPipelineManagerInterface::selectionMaskName);
}

void SelectionMask::select(const std::vector<uint64_t>& caseIds, const Project& project)
{
  const vtkIdType rows = project.recordCount();
  clearMask(*m_unfiltered, rows, m_selectedRows);
  learnRows(project);
  if (caseIds.empty() || rows == 0)
    return;
  // Bits written in place, the array told once: a per-bit SetValue costs a call each.
  unsigned char* bits = m_unfiltered->GetPointer(0);
  if (m_idsByOffset == 0)
    selectByWalk(caseIds, bits);
  else
    selectByIndex(caseIds, bits);
  m_unfiltered->DataChanged();
}

void SelectionMask::selectByIndex(const std::vector<uint64_t>& caseIds, unsigned char* bits)
{
  for (auto caseId = std::lower_bound(caseIds.begin(), caseIds.end(), m_firstCaseId);
       caseId != caseIds.end();
       ++caseId)
  {
    const uint64_t offset = *caseId - m_firstCaseId;
    if (offset >= m_idsByOffset)
      break;
    const vtkIdType row =
      m_rowByIdOffset.empty() ? static_cast<vtkIdType>(offset) : m_rowByIdOffset[offset];
    if (row < 0)
      continue;
    setBit(bits, row);
    m_selectedRows.push_back(row);
  }
}

void SelectionMask::selectByWalk(const std::vector<uint64_t>& caseIds, unsigned char* bits)
{
  auto next = m_rowsByCaseId.cbegin();
  for (uint64_t caseId : caseIds)
  {
    next = firstNotBelow(next, m_rowsByCaseId.cend(), caseId);
    if (next == m_rowsByCaseId.cend())
      break;
    if (next->first != caseId)
      continue;
    setBit(bits, next->second);
    m_selectedRows.push_back(next->second);
  }
}

void SelectionMask::forgetRows()
{
  m_rowsKnownFor = -1;
  m_rowsByCaseId.clear();
  m_rowByIdOffset.clear();
  m_idsByOffset = 0;
}

void SelectionMask::learnRows(const Project& project)
{
  if (m_rowsKnownFor == project.recordCount())
    return;
  forgetRows();
  auto caseIds = project.caseIdVariable().lock();
  vtkAbstractArray* ids = caseIds ? caseIds->column().array() : nullptr;
  const vtkIdType rows = ids ? std::min(ids->GetNumberOfValues(), project.recordCount()) : 0;
  std::vector<CaseRow> byId;
  byId.reserve(static_cast<std::size_t>(rows));
  for (vtkIdType row = 0; row < rows; ++row)
    byId.emplace_back(RecordTableUtils::caseID(ids, row), row);
  if (!std::is_sorted(byId.begin(), byId.end()))
    std::sort(byId.begin(), byId.end());
  m_rowsKnownFor = project.recordCount();
  if (byId.empty())
    return;
  const uint64_t span = byId.back().first - byId.front().first;
  if (span / 2 >= byId.size())
  {
    m_rowsByCaseId = std::move(byId);
    return;
  }
  m_firstCaseId = byId.front().first;
  m_idsByOffset = span + 1;
  const bool idsFollowRows =
    span + 1 == byId.size() &&
    std::all_of(byId.begin(),
      byId.end(),
      [&](const CaseRow& entry)
      { return entry.first - m_firstCaseId == static_cast<uint64_t>(entry.second); });
  if (idsFollowRows)
    return;
  m_rowByIdOffset.assign(static_cast<std::size_t>(m_idsByOffset), -1);
  for (const CaseRow& entry : byId)
    m_rowByIdOffset[entry.first - m_firstCaseId] = entry.second;
}

void SelectionMask::follow(const std::vector<vtkIdType>& rows)
{
  clearMask(*m_filtered, static_cast<vtkIdType>(rows.size()), m_selectedFilteredRows);
  if (rows.empty())
    return;
  unsigned char* bits = m_filtered->GetPointer(0);
  // A large selection is cheaper to read off the unfiltered mask row by row than to look up.
  if (m_selectedRows.size() * 16 > rows.size())
  {
    const unsigned char* from = m_unfiltered->GetPointer(0);
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
      if (!isSet(from, static_cast<std::size_t>(rows[i])))
        continue;
      setBit(bits, static_cast<vtkIdType>(i));
      m_selectedFilteredRows.push_back(static_cast<vtkIdType>(i));
    }
    m_filtered->DataChanged();
    return;
  }
  for (vtkIdType row : m_selectedRows)
  {
    const auto found = std::lower_bound(rows.begin(), rows.end(), row);
    if (found == rows.end() || *found != row)
      continue;
    const auto filteredRow = static_cast<vtkIdType>(found - rows.begin());
    setBit(bits, filteredRow);
    m_selectedFilteredRows.push_back(filteredRow);
  }
  m_filtered->DataChanged();
}

void SelectionMask::announce()
{
  m_filtered->Modified();
  m_unfiltered->Modified();
}
