#pragma once

#include "host/viewsupport/SelectionConverterInterface.h"

#include <QPointer>

class QTableView;

/// Rows of a table view and the case ids in their column 0. Runs of consecutive rows become
/// one selection range each.
class TableViewSelectionConverter : public SelectionConverterInterface
{
public:
  explicit TableViewSelectionConverter(QTableView& view);

  std::set<uint64_t> rowsToCaseIds(const QItemSelectionModel& selection) const override;
  QItemSelection caseIdsToSelection(const std::set<uint64_t>& caseIds) const override;

private:
  std::vector<int> rowsOf(const std::set<uint64_t>& caseIds) const;

  QPointer<QTableView> m_view;
};
