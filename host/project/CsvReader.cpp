#include "host/project/CsvReader.h"

#include "host/project/ImportError.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <csv.h>
#include <exception>
#include <limits>
#include <set>

namespace
{

constexpr std::size_t shownCellLength = 80;

std::string trimmed(const std::string& text)
{
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// The length of the UTF-8 sequence starting at `i`, or 0 when it is not valid there
/// (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t utf8SequenceLength(const std::string& text, std::size_t i)
{
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
  {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  }
  else if (lead >= 0xF0 && lead <= 0xF4)
  {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  }
  else
    return 0;
  if (i + length > text.size())
    return 0;
  if (byte(i + 1) < low || byte(i + 1) > high)
    return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
      return 0;
  return length;
}

bool isUtf8(const std::string& text)
{
  for (std::size_t i = 0; i < text.size();)
  {
    const std::size_t length = utf8SequenceLength(text, i);
    if (length == 0)
      return false;
    i += length;
  }
  return true;
}

/// The end of the physical line starting at `from`, after its LF, CRLF or CR.
std::size_t lineEnd(const std::string& text, std::size_t from)
{
  const std::size_t end = text.find_first_of("\r\n", from);
  if (end == std::string::npos)
    return text.size();
  return text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
}

char separatorOf(const std::string& text)
{
  // The header is the first line that is not blank.
  const std::size_t begin = std::min(text.size(), text.find_first_not_of(" \r\n"));
  bool quoted = false;
  bool semicolon = false;
  bool tab = false;
  for (std::size_t i = begin; i < text.size(); ++i)
  {
    const char c = text[i];
    if (c == '"')
      quoted = !quoted;
    else if (quoted)
      continue;
    else if (c == ',')
      return ',';
    else if (c == '\r' || c == '\n')
      break;
    semicolon = semicolon || c == ';';
    tab = tab || c == '\t';
  }
  return semicolon ? ';' : tab ? '\t' : ',';
}

int isBlank(unsigned char c)
{
  return c == ' ';
}

} // namespace

/// Feeds libcsv one physical line at a time, so that every row knows the line it starts on.
class CsvReader::Parser
{
public:
  Parser(CsvReader& reader, char separator)
    : m_reader(reader)
  {
    csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&m_parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&m_parser, isBlank);
  }
  ~Parser() { csv_free(&m_parser); }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  /// Parses from `begin`, the start of line `line` + 1.
  void parse(const std::string& text, std::size_t begin, int line)
  {
    for (; begin < text.size();)
    {
      const std::size_t end = lineEnd(text, begin);
      ++line;
      // The parser's state 0 is "no row begun": a row starts on this line or a later one.
      if (m_parser.pstate == 0)
        m_rowLine = line;
      const std::size_t length = end - begin;
      const std::size_t parsed =
        csv_parse(&m_parser, text.data() + begin, length, onField, onRowEnd, this);
      if (m_refusal)
        std::rethrow_exception(m_refusal);
      if (parsed != length)
        m_reader.fail(lineText(line) +
                      "a quote stands inside a field; a field holding quotes must be quoted "
                      "whole, with each quote in it doubled.");
      begin = end;
    }
    const int finished = csv_fini(&m_parser, onField, onRowEnd, this);
    if (m_refusal)
      std::rethrow_exception(m_refusal);
    if (finished != 0)
      m_reader.fail(
        lineText(m_rowLine) + "a quoted field that starts on this line is never closed.");
  }

private:
  static std::string lineText(int line) { return "line " + std::to_string(line) + ": "; }

  static void onField(void* data, std::size_t length, void* self)
  {
    auto& parser = *static_cast<Parser*>(self);
    if (parser.m_fieldCount == parser.m_fields.size())
      parser.m_fields.emplace_back();
    parser.m_fields[parser.m_fieldCount++].assign(static_cast<const char*>(data), length);
  }

  static void onRowEnd(int, void* self)
  {
    auto& parser = *static_cast<Parser*>(self);
    parser.m_fields.resize(parser.m_fieldCount);
    parser.m_fieldCount = 0;
    if (parser.m_refusal)
      return;
    // Exceptions must not unwind through libcsv's C frames: kept until it returns.
    try
    {
      parser.m_reader.addRow(parser.m_fields, parser.m_rowLine);
    }
    catch (...)
    {
      parser.m_refusal = std::current_exception();
    }
  }

  CsvReader& m_reader;
  csv_parser m_parser;
  std::vector<std::string> m_fields;
  std::size_t m_fieldCount = 0;
  int m_rowLine = 1;
  std::exception_ptr m_refusal;
};

CsvReader::CsvReader(const QString& path, int skipLines)
  : m_fileName(QFileInfo(path).fileName().toStdString())
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ImportError("Cannot open \"" + path.toStdString() + "\": " +
                      (file.exists() ? "it cannot be read" : "there is no such file") + ".");
  std::string text = file.readAll().toStdString();
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
    text.erase(0, 3);
  if (!isUtf8(text))
  {
    text = QString::fromLatin1(text.data(), static_cast<int>(text.size())).toStdString();
    m_warnings.push_back(
      m_fileName + ": the file is not valid UTF-8 text; it was read as Latin-1.");
  }
  std::size_t begin = 0;
  for (int line = 0; line < skipLines; ++line)
    begin = lineEnd(text, begin);
  Parser(*this, separatorOf(text.substr(begin))).parse(text, begin, skipLines);
  if (m_header.empty())
    fail(skipLines > 0 ? "nothing follows the " +
                           (skipLines == 1 ? std::string("first line")
                                           : "first " + std::to_string(skipLines) + " lines") +
                           " skipped; the line after them must name the columns."
                       : "the file is empty; the first line must name the columns.");
}

void CsvReader::addRow(const std::vector<std::string>& cells, int line)
{
  if (m_header.empty())
  {
    std::set<std::string> names;
    for (std::size_t i = 0; i < cells.size(); ++i)
    {
      m_header.push_back(trimmed(cells[i]));
      if (m_header.back().empty())
        fail("column " + std::to_string(i + 1) + " of the header has no name.");
      if (!names.insert(m_header.back()).second)
        fail("two columns are named " + quoted(m_header.back()) + ".");
    }
    return;
  }
  if (cells.size() != m_header.size())
    throw ImportError(m_fileName + ", line " + std::to_string(line) + ": has " +
                      std::to_string(cells.size()) + " fields where the header names " +
                      std::to_string(m_header.size()) + " columns.");
  const std::size_t start = m_cells.size();
  m_rowStarts.push_back(start);
  for (const std::string& cell : cells)
  {
    m_cells += cell;
    if (m_cells.size() - start > std::numeric_limits<uint32_t>::max())
      throw ImportError(
        m_fileName + ", line " + std::to_string(line) + ": the row is longer than 4 GiB.");
    m_cellEnds.push_back(static_cast<uint32_t>(m_cells.size() - start));
  }
  m_rowLines.push_back(line);
}

std::vector<std::string> CsvReader::fields(std::size_t row) const
{
  const std::size_t columns = m_header.size();
  std::vector<std::string> result;
  result.reserve(columns);
  uint32_t begin = 0;
  for (std::size_t i = row * columns; i < (row + 1) * columns; ++i)
  {
    result.push_back(m_cells.substr(m_rowStarts[row] + begin, m_cellEnds[i] - begin));
    begin = m_cellEnds[i];
  }
  return result;
}

void CsvReader::fail(std::size_t row, const std::string& message) const
{
  throw ImportError(m_fileName + ", line " + std::to_string(m_rowLines[row]) + ": " + message);
}

void CsvReader::fail(const std::string& message) const
{
  throw ImportError(m_fileName + ": " + message);
}

std::string CsvReader::quoted(const std::string& cell)
{
  if (cell.size() <= shownCellLength)
    return "\"" + cell + "\"";
  std::size_t end = shownCellLength;
  // Cut before a UTF-8 continuation byte's sequence, never inside it.
  while (end > 0 && (static_cast<unsigned char>(cell[end]) & 0xC0) == 0x80)
    --end;
  return "\"" + cell.substr(0, end) + "...\"";
}
