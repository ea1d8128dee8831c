#pragma once

#include <QString>
#include <string>
#include <vector>

/// The rows of a delimited text file: a header row of names, then data rows with as many
/// fields. Fields may be quoted with '"'; the separator is ',' unless the header holds none
/// and holds ';' or tabs. Blank lines are skipped.
class CsvReader
{
public:
  /// Ignores the first `skipLines` lines. Throws ImportError when the file cannot be read, has
  /// no header, or names a column twice.
  explicit CsvReader(const QString& path, int skipLines = 0);

  const std::vector<std::string>& header() const { return m_header; }
  std::size_t rowCount() const { return m_lines.size(); }
  /// Throws ImportError naming the line when its field count differs from the header's.
  std::vector<std::string> fields(std::size_t row) const;
  /// Throws ImportError naming the file and the row's line.
  [[noreturn]] void fail(std::size_t row, const std::string& message) const;
  [[noreturn]] void fail(const std::string& message) const;

private:
  std::vector<std::string> split(const std::string& line, int lineNumber) const;

  std::string m_fileName;
  char m_separator = ',';
  std::vector<std::string> m_header;
  std::vector<std::string> m_lines;
  std::vector<int> m_lineNumbers;
};
