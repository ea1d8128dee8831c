#pragma once

#include <cstdint>
#include <set>
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

  /// Sets exactly the bits of the rows of the selected cases; unknown cases are skipped.
  void select(const std::set<uint64_t>& caseIds, const Project& project);
  /// Forgets the rows of the cases, after the project's records changed.
  void forgetRows();
  /// The filtered mask takes the bits of the given unfiltered rows (ascending).
  void follow(const std::vector<vtkIdType>& rows);
  /// Fires the modified events, the unfiltered mask's last: observers of it may update
  /// anything downstream of either table.
  void announce();

private:
  using CaseRow = std::pair<uint64_t, vtkIdType>;
  void knowRows(const Project& project);
  void selectRow(vtkIdType row);
  void selectByTable(const std::set<uint64_t>& caseIds);
  void selectByCount(const std::set<uint64_t>& caseIds);
  void selectByWalk(const std::set<uint64_t>& caseIds);

  vtkNew<vtkBitArray> m_unfiltered;
  vtkNew<vtkBitArray> m_filtered;
  std::vector<vtkIdType> m_selectedRows;
  std::vector<vtkIdType> m_selectedFilteredRows;
  /// Every case's row, in ascending case-id order: the ascending selection is found by walking
  /// it forward, instead of one scattered look-up per case. Left empty where the ids are dense.
  std::vector<CaseRow> m_rowsByCaseId;
  /// Where the ids are dense (as numbered cases are): the row of the case id m_lowestId + i at
  /// i, -1 for none. One look-up per selected case, whatever the number of cases.
  std::vector<int32_t> m_rowById;
  uint64_t m_lowestId = 0;
  /// Cases numbered from m_lowestId on in row order need no look-up at all: the row of case id
  /// m_lowestId + i is i, below m_rows.
  bool m_rowsCountIds = false;
  vtkIdType m_rows = 0;
  bool m_rowsKnown = false;
};
