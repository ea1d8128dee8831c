#include "host/project/ProjectDocumentReader.h"

#include "host/common/NumberText.h"
#include "host/common/XmlDocumentLoader.h"
#include "host/filesystem/FileInfo.h"
#include "host/project/ImportError.h"
#include "host/project/ProjectDocumentFormat.h"
#include "host/project/ProjectError.h"

#include <QFile>
#include <QFileInfo>
#include <limits>
#include <stdexcept>

namespace
{

std::string text(const QString& value)
{
  return value.toStdString();
}

std::vector<std::string> tagsOf(const QDomElement& element)
{
  std::vector<std::string> tags;
  for (QDomElement tag = element.firstChildElement(QStringLiteral("Tag")); !tag.isNull();
       tag = tag.nextSiblingElement(QStringLiteral("Tag")))
    tags.push_back(text(tag.text()));
  return tags;
}

bool isKnownSection(const QString& name)
{
  return name == QLatin1String("Variables") || name == QLatin1String("Cases") ||
         name == QLatin1String("TagGroups") || name == QLatin1String("AuxFiles") ||
         name == QLatin1String("Filters");
}

} // namespace

ProjectDocumentReader::ProjectDocumentReader(const QString& folder, std::string name)
  : m_folder(folder)
  , m_name(std::move(name))
{
}

LoadedProjectDocument ProjectDocumentReader::read(const QString& path)
{
  const std::string name = text(QFileInfo(path).fileName());
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ImportError("Cannot open \"" + text(path) + "\": " +
                      (file.exists() ? "it cannot be read" : "there is no such file") + ".");
  QDomDocument document;
  XmlDocumentLoader::Problem problem;
  if (!XmlDocumentLoader::load(document, file.readAll(), problem))
    throw ImportError(
      name + ", line " + std::to_string(problem.line) + ", column " +
      std::to_string(problem.column) +
      (problem.tooDeep ? ": the document is refused: " : ": not a well-formed document: ") +
      text(problem.reason) + ".");
  return read(document, QFileInfo(path).absolutePath(), name);
}

LoadedProjectDocument ProjectDocumentReader::read(const QDomDocument& document,
  const QString& folder,
  const std::string& name)
{
  const ProjectDocumentReader reader(folder, name);
  const QDomElement root = document.documentElement();
  if (root.tagName() != ProjectDocumentFormat::rootName)
    reader.fail(
      "this is not a project document (its root element is \"" + text(root.tagName()) + "\").");
  LoadedProjectDocument result;
  result.document = document;
  try
  {
    reader.readVariables(root.firstChildElement(QStringLiteral("Variables")), result);
    reader.readCases(root.firstChildElement(QStringLiteral("Cases")), result);
    reader.readTagGroups(root.firstChildElement(QStringLiteral("TagGroups")), result);
    reader.readAuxFiles(root.firstChildElement(QStringLiteral("AuxFiles")), result);
    reader.readFilters(root.firstChildElement(QStringLiteral("Filters")), result);
  }
  catch (const ProjectError& error)
  {
    reader.fail(error.message());
  }
  for (QDomElement element = root.firstChildElement(); !element.isNull();
       element = element.nextSiblingElement())
    if (!isKnownSection(element.tagName()))
      result.otherElements.push_back(element);
  return result;
}

void ProjectDocumentReader::fail(const std::string& message) const
{
  throw ImportError(m_name + ": " + message);
}

uint64_t ProjectDocumentReader::idAttribute(const QDomElement& element, const QString& name) const
{
  uint64_t value = 0;
  if (parseCaseId(text(element.attribute(name)), value) != NumberTextStatus::Ok)
    fail("element " + text(element.tagName()) + " on line " + std::to_string(element.lineNumber()) +
         " needs a whole number from 0 to " + std::to_string(std::numeric_limits<uint64_t>::max()) +
         " as its \"" + text(name) + "\".");
  return value;
}

double ProjectDocumentReader::numberAttribute(const QDomElement& element, const QString& name) const
{
  double value = 0.0;
  const NumberTextStatus status = parseRealNumber(text(element.attribute(name)), value);
  if (status == NumberTextStatus::OutOfRange)
    fail("element " + text(element.tagName()) + " on line " + std::to_string(element.lineNumber()) +
         ": the number \"" + text(element.attribute(name)) + "\" of its \"" + text(name) +
         "\" is out of range.");
  if (status != NumberTextStatus::Ok)
    fail("element " + text(element.tagName()) + " on line " + std::to_string(element.lineNumber()) +
         " needs a number as its \"" + text(name) + "\".");
  return value;
}

void ProjectDocumentReader::readVariables(const QDomElement& element,
  LoadedProjectDocument& result) const
{
  QDomElement variable = element.firstChildElement(QStringLiteral("Variable"));
  if (variable.isNull() || variable.attribute(QStringLiteral("name")) != Variable::caseIdName)
    fail("the first variable must be the case identifiers, \"" + std::string(Variable::caseIdName) +
         "\".");
  result.contents = ProjectContents(idAttribute(variable, QStringLiteral("id")));
  for (variable = variable.nextSiblingElement(QStringLiteral("Variable")); !variable.isNull();
       variable = variable.nextSiblingElement(QStringLiteral("Variable")))
  {
    const auto nature = variable.attribute(QStringLiteral("nature")).toInt();
    if (nature < Variable::Other || nature > Variable::Independent)
      fail("variable on line " + std::to_string(variable.lineNumber()) + " has an unknown nature.");
    ValueType type = ValueType::Real;
    try
    {
      type = ProjectDocumentFormat::typeOf(variable.attribute(QStringLiteral("type")));
    }
    catch (const std::out_of_range& error)
    {
      fail("variable on line " + std::to_string(variable.lineNumber()) + ": " + error.what() + ".");
    }
    result.contents.addVariable(text(variable.attribute(QStringLiteral("name"))),
      static_cast<Variable::Nature>(nature),
      type,
      idAttribute(variable, QStringLiteral("id")));
    if (variable.attribute(QStringLiteral("locked")) == QLatin1String("1"))
      result.contents.lock(result.contents.variableCount() - 1);
  }
}

void ProjectDocumentReader::readCases(const QDomElement& element,
  LoadedProjectDocument& result) const
{
  ProjectContents& contents = result.contents;
  std::vector<ValueType> types;
  for (std::size_t i = 1; i < contents.variableCount(); ++i)
    types.push_back(contents.variable(i).valueType());
  std::vector<Variant> values(types.size());
  for (QDomElement item = element.firstChildElement(QStringLiteral("Case")); !item.isNull();
       item = item.nextSiblingElement(QStringLiteral("Case")))
  {
    const uint64_t caseId = idAttribute(item, QStringLiteral("id"));
    const auto cells = ProjectDocumentFormat::splitValues(text(item.text()));
    if (cells.size() != types.size() && !(types.empty() && cells.size() == 1))
      fail("case " + std::to_string(caseId) + " on line " + std::to_string(item.lineNumber()) +
           " has " + std::to_string(cells.size()) + " values for " + std::to_string(types.size()) +
           " variables.");
    for (std::size_t i = 0; i < types.size(); ++i)
      values[i] = ProjectDocumentFormat::cellValue(cells[i], types[i]);
    contents.addRecord(caseId, values);
  }
}

void ProjectDocumentReader::readTagGroups(const QDomElement& element,
  LoadedProjectDocument& result) const
{
  std::vector<TagGroup> groups;
  for (QDomElement group = element.firstChildElement(QStringLiteral("TagGroup")); !group.isNull();
       group = group.nextSiblingElement(QStringLiteral("TagGroup")))
    groups.emplace_back(text(group.attribute(QStringLiteral("name"))), tagsOf(group));
  result.contents.setTagGroups(std::move(groups));
}

void ProjectDocumentReader::readAuxFiles(const QDomElement& element,
  LoadedProjectDocument& result) const
{
  for (QDomElement item = element.firstChildElement(QStringLiteral("AuxFile")); !item.isNull();
       item = item.nextSiblingElement(QStringLiteral("AuxFile")))
  {
    const FileInfo file(FileInfo::resolve(item.attribute(QStringLiteral("path")), m_folder));
    if (!file.exists())
      fail("the file \"" + text(file.absolutePath()) + "\" of case " +
           text(item.attribute(QStringLiteral("case"))) + " does not exist.");
    result.contents.addAuxFile(idAttribute(item, QStringLiteral("case")),
      text(file.absolutePath()),
      tagsOf(item),
      idAttribute(item, QStringLiteral("id")));
  }
}

void ProjectDocumentReader::readFilters(const QDomElement& element,
  LoadedProjectDocument& result) const
{
  for (QDomElement item = element.firstChildElement(); !item.isNull();
       item = item.nextSiblingElement())
    result.filters.push_back(readFilter(item, result.contents));
}

FilterSettings ProjectDocumentReader::readFilter(const QDomElement& element,
  const ProjectContents& contents) const
{
  FilterSettings filter;
  filter.variable = text(element.attribute(QStringLiteral("variable")));
  filter.enabled = element.attribute(QStringLiteral("enabled")) != QLatin1String("0");
  bool known = false;
  for (std::size_t i = 0; i < contents.variableCount(); ++i)
    known = known || contents.variable(i).name() == filter.variable;
  if (!known)
    fail("a filter on line " + std::to_string(element.lineNumber()) +
         " names the unknown variable \"" + filter.variable + "\".");
  if (element.tagName() == QLatin1String("RangeFilter"))
  {
    filter.kind = FilterSettings::Kind::Range;
    filter.low = numberAttribute(element, QStringLiteral("low"));
    filter.high = numberAttribute(element, QStringLiteral("high"));
    return filter;
  }
  if (element.tagName() != QLatin1String("ValueFilter"))
    fail("unknown filter element \"" + text(element.tagName()) + "\" on line " +
         std::to_string(element.lineNumber()) + ".");
  filter.kind = FilterSettings::Kind::Values;
  for (QDomElement value = element.firstChildElement(QStringLiteral("Value")); !value.isNull();
       value = value.nextSiblingElement(QStringLiteral("Value")))
  {
    const std::string content = text(value.text());
    const bool isText = value.attribute(QStringLiteral("type")) == QLatin1String("text");
    filter.values.emplace_back(isText ? Variant(content) : Variant::fromText(content),
      value.attribute(QStringLiteral("enabled")) != QLatin1String("0"));
  }
  return filter;
}
