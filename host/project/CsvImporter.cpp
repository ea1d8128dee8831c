#include "host/project/CsvImporter.h"

#include "host/common/NumericPredicates.h"
#include "host/filesystem/FileInfo.h"
#include "host/project/CsvReader.h"
#include "host/project/ImportError.h"

#include <QFileInfo>
#include <algorithm>
#include <boost/algorithm/string.hpp>
#include <set>

namespace
{

std::string trimmed(std::string text)
{
  boost::algorithm::trim(text);
  return text;
}

bool isBlankOrSpecial(const std::string& text)
{
  return trimmed(text).empty() || isNanNumericInputValue(text) || isNullInputValue(text);
}

/// The column named `wanted`, or when that is empty the first named like one of `defaults`.
int findColumn(const std::vector<std::string>& header,
  const std::string& wanted,
  const std::vector<std::string>& defaults)
{
  for (std::size_t i = 0; i < header.size(); ++i)
  {
    if (!wanted.empty()
          ? header[i] == wanted
          : std::any_of(defaults.begin(),
              defaults.end(),
              [&](const auto& name) { return boost::algorithm::iequals(header[i], name); }))
      return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> splitTags(const std::string& field)
{
  std::vector<std::string> parts;
  boost::algorithm::split(parts, field, boost::algorithm::is_any_of(";"));
  std::vector<std::string> tags;
  for (auto& part : parts)
    if (!trimmed(part).empty())
      tags.push_back(trimmed(part));
  return tags;
}

} // namespace

CsvImporter::CsvImporter(CsvImportOptions options)
  : m_options(std::move(options))
{
}

std::vector<CsvColumn> CsvImporter::columns(const QString& path) const
{
  return layout(CsvReader(path, m_options.skipLines)).variables;
}

CsvImporter::Layout CsvImporter::layout(const CsvReader& reader) const
{
  const auto& header = reader.header();
  Layout result;
  result.caseIdColumn = findColumn(header, m_options.caseIdColumn, {});
  if (m_options.withImages)
    result.imageColumn = findColumn(header, m_options.imageColumn, { "Image", "Image File" });
  if (m_options.withTags)
    result.tagsColumn = findColumn(header, m_options.tagsColumn, { "Tags" });
  if (m_options.withImages && !m_options.imageColumn.empty() && result.imageColumn < 0)
    reader.fail("there is no image column named \"" + m_options.imageColumn + "\".");
  if (m_options.withTags && !m_options.tagsColumn.empty() && result.tagsColumn < 0)
    reader.fail("there is no tags column named \"" + m_options.tagsColumn + "\".");
  for (std::size_t i = 0; i < header.size(); ++i)
  {
    const int column = static_cast<int>(i);
    if (column == result.caseIdColumn || column == result.imageColumn ||
        column == result.tagsColumn)
      continue;
    result.sourceColumns.push_back(column);
    result.variables.push_back({ header[i], ValueType::Real, Variable::Independent });
  }
  detectTypes(reader, result);
  assignNatures(reader, result);
  return result;
}

void CsvImporter::detectTypes(const CsvReader& reader, Layout& layout) const
{
  // Known once a column's first number or text is seen; forced types are known from the start.
  std::vector<bool> known(layout.variables.size(), false);
  for (std::size_t i = 0; i < layout.variables.size(); ++i)
  {
    const auto forced = m_options.types.find(layout.variables[i].name);
    if (forced != m_options.types.end())
    {
      layout.variables[i].type = forced->second;
      known[i] = true;
    }
  }
  for (std::size_t row = 0; row < reader.rowCount(); ++row)
  {
    const std::vector<std::string> fields = reader.fields(row);
    for (std::size_t i = 0; i < layout.variables.size(); ++i)
    {
      CsvColumn& column = layout.variables[i];
      const std::string& field = fields[static_cast<std::size_t>(layout.sourceColumns[i])];
      if (column.type == ValueType::Text || isBlankOrSpecial(field))
        continue;
      const Variant value = Variant::fromText(field);
      if (!known[i])
      {
        column.type = value.isText()                           ? ValueType::Text
                      : value.kind() == Variant::Kind::Integer ? ValueType::Integer
                                                               : ValueType::Real;
        known[i] = true;
        continue;
      }
      if (value.isText())
        reader.fail(row,
          "column \"" + column.name + "\" holds numbers, but this line has \"" + trimmed(field) +
            "\".");
      if (value.kind() == Variant::Kind::Real && column.type == ValueType::Integer &&
          m_options.types.count(column.name) == 0)
        column.type = ValueType::Real;
    }
  }
}

void CsvImporter::assignNatures(const CsvReader& reader, Layout& layout) const
{
  for (const auto& entry : m_options.natures)
    if (std::none_of(layout.variables.begin(),
          layout.variables.end(),
          [&](const CsvColumn& column) { return column.name == entry.first; }))
      reader.fail("there is no column named \"" + entry.first + "\" to give a nature.");
  const auto lastNumeric = std::find_if(layout.variables.rbegin(),
    layout.variables.rend(),
    [](const CsvColumn& column) { return column.type != ValueType::Text; });
  if (lastNumeric != layout.variables.rend())
    lastNumeric->nature = Variable::Dependent;
  for (auto& column : layout.variables)
  {
    const auto chosen = m_options.natures.find(column.name);
    if (chosen != m_options.natures.end())
      column.nature = chosen->second;
  }
}

std::vector<Variant> CsvImporter::values(const CsvReader& reader,
  std::size_t row,
  const std::vector<std::string>& fields,
  const Layout& layout)
{
  std::vector<Variant> result;
  result.reserve(layout.variables.size());
  for (std::size_t i = 0; i < layout.variables.size(); ++i)
  {
    const CsvColumn& column = layout.variables[i];
    const std::string field = trimmed(fields[static_cast<std::size_t>(layout.sourceColumns[i])]);
    if (column.type == ValueType::Text)
    {
      result.emplace_back(field.empty() ? Variant::null() : Variant(field));
      continue;
    }
    const Variant value = field.empty() ? Variant::null() : Variant::fromText(field);
    if (value.isText())
      reader.fail(
        row, "column \"" + column.name + "\" holds numbers, but this line has \"" + field + "\".");
    result.push_back(value);
  }
  return result;
}

uint64_t CsvImporter::caseId(const CsvReader& reader, std::size_t row, const std::string& field)
{
  const Variant value = Variant::fromText(field);
  if (value.kind() != Variant::Kind::Integer || value.longValue() < 0)
    reader.fail(
      row, "the case identifier \"" + trimmed(field) + "\" is not a whole number of zero or more.");
  return static_cast<uint64_t>(value.longValue());
}

ProjectContents CsvImporter::read(const QString& path) const
{
  return import(path).contents;
}

CsvImportResult CsvImporter::import(const QString& path) const
{
  const CsvReader reader(path, m_options.skipLines);
  const Layout columns = layout(reader);
  const QString folder = QFileInfo(path).absolutePath();

  CsvImportResult result;
  ProjectContents& contents = result.contents;
  for (const auto& column : columns.variables)
  {
    if (column.name == Variable::caseIdName)
      reader.fail("a variable cannot be named \"" + column.name + "\".");
    contents.addVariable(column.name, column.nature, column.type);
  }
  contents.reserve(reader.rowCount());
  std::set<std::string> tagsSeen;
  std::vector<std::string> tagOrder;
  for (std::size_t row = 0; row < reader.rowCount(); ++row)
  {
    const std::vector<std::string> fields = reader.fields(row);
    const uint64_t id =
      columns.caseIdColumn >= 0
        ? caseId(reader, row, fields[static_cast<std::size_t>(columns.caseIdColumn)])
        : row + 1;
    if (contents.hasRecord(id))
      reader.fail(row, "case " + std::to_string(id) + " appears a second time.");
    contents.addRecord(id, values(reader, row, fields, columns));
    if (columns.imageColumn < 0)
      continue;
    const std::string image = trimmed(fields[static_cast<std::size_t>(columns.imageColumn)]);
    if (image.empty())
      continue;
    const FileInfo file(FileInfo::resolve(QString::fromStdString(image), folder));
    // The case stays with its attachment: the image views show a missing file as such.
    if (!file.exists())
      result.missingImageFiles.push_back(file.absolutePath().toStdString());
    const auto tags = columns.tagsColumn >= 0
                        ? splitTags(fields[static_cast<std::size_t>(columns.tagsColumn)])
                        : std::vector<std::string>();
    for (const auto& tag : tags)
      if (tagsSeen.insert(tag).second)
        tagOrder.push_back(tag);
    contents.addAuxFile(id, file.absolutePath().toStdString(), tags);
  }
  if (!tagOrder.empty())
    contents.setTagGroups({ TagGroup("Tags", tagOrder) });
  return result;
}
