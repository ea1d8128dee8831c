#include "host/pipeline/SelectionMask.h"

#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/project/Project.h"
#include "host/project/Variable.h"
#include "host/vtkutil/RecordTableUtils.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace
{

bool isSet(const unsigned char* bits, std::size_t index)
{
  return bits[index / 8] & (0x80 >> (index % 8));
}

// Straight into the bits: vtkBitArray::SetValue drops the array's lookup on every call, which
// clearMask does once for the whole selection instead.
void setBit(vtkBitArray& mask, vtkIdType row, bool value)
{
  unsigned char& bits = mask.GetPointer(0)[row / 8];
  const auto bit = static_cast<unsigned char>(0x80 >> (row % 8));
  bits = value ? bits | bit : bits & ~bit;
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

// Fits the mask to the rows, all bits clear. A few bits set before are cleared one by one, so
// that a small selection change costs the size of the selections, not of the table.
void clearMask(vtkBitArray& mask, vtkIdType rows, std::vector<vtkIdType>& setBits)
{
  const bool few = static_cast<vtkIdType>(setBits.size()) * 64 < rows;
  if (mask.GetNumberOfValues() == rows && few)
    for (vtkIdType row : setBits)
      setBit(mask, row, false);
  else
  {
    mask.SetNumberOfValues(rows);
    if (rows > 0)
      std::memset(mask.GetPointer(0), 0, static_cast<std::size_t>((rows + 7) / 8));
  }
  setBits.clear();
  // The bits set after this go straight in (setBit).
  mask.DataChanged();
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
  knowRows(project);
  if (m_rowsCountIds)
    selectByCount(caseIds);
  else if (m_rowById.empty())
    selectByWalk(caseIds);
  else
    selectByTable(caseIds);
}

void SelectionMask::selectByCount(const std::set<uint64_t>& caseIds)
{
  const auto rows = static_cast<uint64_t>(m_rows);
  for (auto id = caseIds.lower_bound(m_lowestId); id != caseIds.end(); ++id)
  {
    const uint64_t row = *id - m_lowestId;
    if (row >= rows)
      break;
    selectRow(static_cast<vtkIdType>(row));
  }
}

void SelectionMask::selectRow(vtkIdType row)
{
  setBit(*m_unfiltered, row, true);
  m_selectedRows.push_back(row);
}

void SelectionMask::selectByTable(const std::set<uint64_t>& caseIds)
{
  for (auto id = caseIds.lower_bound(m_lowestId); id != caseIds.end(); ++id)
  {
    const uint64_t slot = *id - m_lowestId;
    if (slot >= m_rowById.size())
      break;
    if (m_rowById[slot] >= 0)
      selectRow(m_rowById[slot]);
  }
}

void SelectionMask::selectByWalk(const std::set<uint64_t>& caseIds)
{
  auto next = m_rowsByCaseId.cbegin();
  for (uint64_t caseId : caseIds)
  {
    next = firstNotBelow(next, m_rowsByCaseId.cend(), caseId);
    if (next == m_rowsByCaseId.cend())
      break;
    if (next->first == caseId)
      selectRow(next->second);
  }
}

void SelectionMask::forgetRows()
{
  m_rowsKnown = false;
  m_rowsCountIds = false;
  m_rowsByCaseId.clear();
  m_rowById.clear();
}

void SelectionMask::knowRows(const Project& project)
{
  if (m_rowsKnown && m_rows == project.recordCount())
    return;
  forgetRows();
  auto caseIds = project.caseIdVariable().lock();
  vtkAbstractArray* ids = caseIds ? caseIds->column().array() : nullptr;
  m_rows = project.recordCount();
  const vtkIdType rows = ids ? std::min(ids->GetNumberOfValues(), m_rows) : 0;
  m_rowsByCaseId.reserve(static_cast<std::size_t>(rows));
  for (vtkIdType row = 0; row < rows; ++row)
    m_rowsByCaseId.emplace_back(RecordTableUtils::caseID(ids, row), row);
  if (!std::is_sorted(m_rowsByCaseId.begin(), m_rowsByCaseId.end()))
    std::sort(m_rowsByCaseId.begin(), m_rowsByCaseId.end());
  m_rowsKnown = true;
  if (rows == 0 || rows > std::numeric_limits<int32_t>::max())
    return;
  // Dense: a table of at most twice the rows' size.
  m_lowestId = m_rowsByCaseId.front().first;
  const uint64_t span = m_rowsByCaseId.back().first - m_lowestId;
  if (span >= 2 * static_cast<uint64_t>(rows))
    return;
  m_rowsCountIds = span + 1 == static_cast<uint64_t>(m_rows) &&
                   std::all_of(m_rowsByCaseId.begin(),
                     m_rowsByCaseId.end(),
                     [this](const CaseRow& entry)
                     { return entry.first - m_lowestId == static_cast<uint64_t>(entry.second); });
  if (m_rowsCountIds)
  {
    m_rowsByCaseId = {};
    return;
  }
  m_rowById.assign(static_cast<std::size_t>(span) + 1, -1);
  for (const CaseRow& entry : m_rowsByCaseId)
    m_rowById[static_cast<std::size_t>(entry.first - m_lowestId)] =
      static_cast<int32_t>(entry.second);
  m_rowsByCaseId.clear();
  m_rowsByCaseId.shrink_to_fit();
}

void SelectionMask::follow(const std::vector<vtkIdType>& rows)
{
  clearMask(*m_filtered, static_cast<vtkIdType>(rows.size()), m_selectedFilteredRows);
  if (rows.empty())
    return;
  // A large selection is cheaper to read off the unfiltered mask row by row than to look up.
  if (m_selectedRows.size() * 16 > rows.size())
  {
    const unsigned char* from = m_unfiltered->GetPointer(0);
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
      if (!isSet(from, static_cast<std::size_t>(rows[i])))
        continue;
      setBit(*m_filtered, static_cast<vtkIdType>(i), true);
      m_selectedFilteredRows.push_back(static_cast<vtkIdType>(i));
    }
    return;
  }
  for (vtkIdType row : m_selectedRows)
  {
    const auto found = std::lower_bound(rows.begin(), rows.end(), row);
    if (found == rows.end() || *found != row)
      continue;
    const auto filteredRow = static_cast<vtkIdType>(found - rows.begin());
    setBit(*m_filtered, filteredRow, true);
    m_selectedFilteredRows.push_back(filteredRow);
  }
}

void SelectionMask::announce()
{
  m_filtered->Modified();
  m_unfiltered->Modified();
}
