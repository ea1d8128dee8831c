#pragma once

#include "host/viewsupport/SelectionConverterInterface.h"

#include <QPointer>
#include <unordered_map>
#include <vector>

class QAbstractProxyModel;
class TableViewModel;

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
  static std::vector<int> rowsThroughProxies(const TableViewModel& table,
    const std::vector<const QAbstractProxyModel*>& proxies,
    const std::set<uint64_t>& caseIds);
  static std::vector<int> rowsByWalking(const QAbstractItemModel& model,
    const std::set<uint64_t>& caseIds);
  static std::vector<int> sortedRows(const std::unordered_map<uint64_t, int>& rowOfCase);

  QPointer<QTableView> m_view;
};
