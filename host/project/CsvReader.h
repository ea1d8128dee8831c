#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

/// The rows of a delimited text file (RFC 4180 quoting, read strictly): a header row of names,
/// then data rows with as many fields. The separator is ',' unless the header holds none outside
/// quotes and holds ';' or tabs. Line endings may be LF, CRLF or CR; blank lines are skipped.
/// The text is UTF-8, with or without a byte-order mark; a file that is not valid UTF-8 is read
/// as Latin-1, with a warning.
class CsvReader
{
public:
  /// Ignores the first `skipLines` lines. Throws ImportError when the file cannot be read or
  /// split into rows, has no header, names a column twice or has a row with another field count
  /// than the header.
  explicit CsvReader(const QString& path, int skipLines = 0);

  const std::vector<std::string>& header() const { return m_header; }
  std::size_t rowCount() const { return m_rowLines.size(); }
  /// As many fields as the header names.
  std::vector<std::string> fields(std::size_t row) const;
  /// What the reader changed to read the file, in words for the user, each naming the file.
  const std::vector<std::string>& warnings() const { return m_warnings; }

  /// Throws ImportError naming the file and the row's line.
  [[noreturn]] void fail(std::size_t row, const std::string& message) const;
  [[noreturn]] void fail(const std::string& message) const;
  /// A cell as messages show it: in quotes, cut to about 80 characters.
  static std::string quoted(const std::string& cell);

private:
  class Parser;

  void addRow(const std::vector<std::string>& cells, int line);

  std::string m_fileName;
  std::vector<std::string> m_header;
  /// The data rows' cells, one after another; each row's cells end at offsets from its start.
  std::string m_cells;
  std::vector<std::size_t> m_rowStarts;
  std::vector<uint32_t> m_cellEnds;
  std::vector<int> m_rowLines;
  std::vector<std::string> m_warnings;
};
