#pragma once

#include <cstdint>
#include <utility>
#include <vector>
#include <vtkBitArray.h>
#include <vtkNew.h>

class Project;

/// The selection as one bit per row of the unfiltered table, and its copy for the rows of the
/// filtered table; both carry the mask's column name.
class SelectionMask
{
public:
  SelectionMask();

  vtkBitArray* unfiltered() const { return m_unfiltered; }
  vtkBitArray* filtered() const { return m_filtered; }

  /// Sets exactly the bits of the rows of the selected cases (ascending ids); unknown cases are
  /// skipped.
  void select(const std::vector<uint64_t>& caseIds, const Project& project);
  /// Forgets the rows of the cases, after the project's records changed.
  void forgetRows();
  /// The filtered mask takes the bits of the given unfiltered rows (ascending).
  void follow(const std::vector<vtkIdType>& rows);
  /// Fires the modified events, the unfiltered mask's last: observers of it may update
  /// anything downstream of either table.
  void announce();

private:
  using CaseRow = std::pair<uint64_t, vtkIdType>;
  void learnRows(const Project& project);
  void selectByIndex(const std::vector<uint64_t>& caseIds, unsigned char* bits);
  void selectByWalk(const std::vector<uint64_t>& caseIds, unsigned char* bits);

  vtkNew<vtkBitArray> m_unfiltered;
  vtkNew<vtkBitArray> m_filtered;
  std::vector<vtkIdType> m_selectedRows;
  std::vector<vtkIdType> m_selectedFilteredRows;
  /// Every case's row, in ascending case-id order: the ascending selection is found by walking
  /// it forward, instead of one scattered look-up per case. Empty when the ids are dense.
  std::vector<CaseRow> m_rowsByCaseId;
  /// The row of case id m_firstCaseId + i at i, -1 for no such case: kept instead of the walk
  /// when the ids span at most twice the rows. Empty when case id m_firstCaseId + i is in row i
  /// for every row, as when the ids were numbered on import.
  std::vector<vtkIdType> m_rowByIdOffset;
  uint64_t m_firstCaseId = 0;
  /// How many ids from m_firstCaseId on are looked up by offset; 0 when walked.
  uint64_t m_idsByOffset = 0;
  /// The record count the rows were learnt for; -1 when they have to be learnt again.
  vtkIdType m_rowsKnownFor = -1;
};
