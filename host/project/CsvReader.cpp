#include "host/project/CsvReader.h"

#include "host/project/ImportError.h"

#include <QFile>
#include <QFileInfo>
#include <boost/tokenizer.hpp>
#include <set>

namespace
{

std::string trimmed(const std::string& text)
{
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char separatorOf(const std::string& header)
{
  if (header.find(',') == std::string::npos)
  {
    if (header.find(';') != std::string::npos)
      return ';';
    if (header.find('\t') != std::string::npos)
      return '\t';
  }
  return ',';
}

} // namespace

CsvReader::CsvReader(const QString& path, int skipLines)
  : m_fileName(QFileInfo(path).fileName().toStdString())
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ImportError("Cannot open \"" + path.toStdString() + "\": " +
                      (file.exists() ? "it cannot be read" : "there is no such file") + ".");
  int lineNumber = 0;
  bool headerRead = false;
  while (!file.atEnd())
  {
    std::string line = file.readLine().toStdString();
    ++lineNumber;
    if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
      line.erase(0, 3);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
      line.pop_back();
    if (lineNumber <= skipLines || trimmed(line).empty())
      continue;
    if (!headerRead)
    {
      m_separator = separatorOf(line);
      m_header = split(line, lineNumber);
      for (auto& name : m_header)
        name = trimmed(name);
      headerRead = true;
      continue;
    }
    m_lines.push_back(std::move(line));
    m_lineNumbers.push_back(lineNumber);
  }
  if (!headerRead)
    fail(skipLines > 0 ? "nothing follows the " +
                           (skipLines == 1 ? std::string("first line")
                                           : "first " + std::to_string(skipLines) + " lines") +
                           " skipped; the line after them must name the columns."
                       : "the file is empty; the first line must name the columns.");
  std::set<std::string> names;
  for (std::size_t i = 0; i < m_header.size(); ++i)
  {
    if (m_header[i].empty())
      fail("column " + std::to_string(i + 1) + " of the header has no name.");
    if (!names.insert(m_header[i]).second)
      fail("two columns are named \"" + m_header[i] + "\".");
  }
}

std::vector<std::string> CsvReader::split(const std::string& line, int lineNumber) const
{
  // No escape character: backslashes are common in Windows paths.
  const boost::escaped_list_separator<char> separator(
    std::string(), std::string(1, m_separator), std::string("\""));
  try
  {
    const boost::tokenizer<boost::escaped_list_separator<char>> tokens(line, separator);
    return { tokens.begin(), tokens.end() };
  }
  catch (const boost::escaped_list_error& error)
  {
    throw ImportError(
      m_fileName + ", line " + std::to_string(lineNumber) + ": cannot split it: " + error.what());
  }
}

std::vector<std::string> CsvReader::fields(std::size_t row) const
{
  std::vector<std::string> result = split(m_lines[row], m_lineNumbers[row]);
  if (result.size() != m_header.size())
    fail(row,
      "has " + std::to_string(result.size()) + " fields where the header names " +
        std::to_string(m_header.size()) + " columns.");
  return result;
}

void CsvReader::fail(std::size_t row, const std::string& message) const
{
  throw ImportError(m_fileName + ", line " + std::to_string(m_lineNumbers[row]) + ": " + message);
}

void CsvReader::fail(const std::string& message) const
{
  throw ImportError(m_fileName + ": " + message);
}
