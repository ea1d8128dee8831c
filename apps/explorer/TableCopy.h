#pragma once

#include <QString>
#include <cstdint>
#include <set>

class QTableView;

/// The text Ctrl+C puts on the clipboard from a table, for spreadsheets and text editors.
class TableCopy
{
public:
  /// The selected rows as tab-separated text: a header row of the columns shown, then the rows
  /// in the order shown, with the texts shown. A row is selected when its case is among
  /// `selectedCases` or the table's own selection holds it. Empty when no row is selected.
  static QString selectedRows(const QTableView& table, const std::set<uint64_t>& selectedCases);
};
