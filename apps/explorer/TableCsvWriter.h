#pragma once

#include <QString>
#include <vector>

class QHeaderView;
class QTableView;
class QTextStream;

/// Writes what a table shows as CSV: a header row, then the rows and columns not hidden, in the
/// order the user sees them (after sorting and moving columns), with the displayed texts.
class TableCsvWriter
{
public:
  static void write(const QTableView& table, QTextStream& out);
  /// Throws vantor::ExceptionBase when the file cannot be written.
  static void write(const QTableView& table, const QString& path);
  /// Quoted when it holds a separator, a quote, a line break or edge spaces.
  static QString field(const QString& text);
  /// The logical indexes of the sections not hidden, in the order shown.
  static std::vector<int> shownSections(const QHeaderView& header);
};
