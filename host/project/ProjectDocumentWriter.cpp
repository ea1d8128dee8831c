#include "host/project/ProjectDocumentWriter.h"

#include "host/filesystem/FileInfo.h"
#include "host/project/Project.h"
#include "host/project/ProjectDocumentFormat.h"
#include "host/project/ProjectError.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace
{

QString text(const std::string& value)
{
  return QString::fromStdString(value);
}

void appendTags(QDomDocument& document, QDomElement& parent, const std::vector<std::string>& tags)
{
  for (const auto& tag : tags)
  {
    QDomElement element = document.createElement(QStringLiteral("Tag"));
    element.appendChild(document.createTextNode(text(tag)));
    parent.appendChild(element);
  }
}

} // namespace

QDomDocument ProjectDocumentWriter::document(const QString& folder,
  const std::vector<FilterSettings>& filters,
  const ExtraElements& extra)
{
  QDomDocument document;
  document.appendChild(document.createProcessingInstruction(
    QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
  QDomElement root = document.createElement(ProjectDocumentFormat::rootName);
  root.setAttribute(QStringLiteral("version"), ProjectDocumentFormat::version);
  document.appendChild(root);
  root.appendChild(variables(document));
  root.appendChild(cases(document));
  root.appendChild(tagGroups(document));
  root.appendChild(auxFiles(document, folder));
  root.appendChild(filterElements(document, filters));
  if (extra)
    extra(document, root);
  return document;
}

void ProjectDocumentWriter::write(const QString& path,
  const std::vector<FilterSettings>& filters,
  const ExtraElements& extra)
{
  const QDomDocument content = document(QFileInfo(path).absolutePath(), filters, extra);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw ProjectError(
      "Cannot write \"" + path.toStdString() + "\": " + file.errorString().toStdString() + ".");
  QTextStream stream(&file);
  stream.setCodec("UTF-8");
  content.save(stream, 1);
  stream.flush();
  if (file.error() != QFile::NoError)
    throw ProjectError(
      "Cannot write \"" + path.toStdString() + "\": " + file.errorString().toStdString() + ".");
}

QDomElement ProjectDocumentWriter::variables(QDomDocument& document)
{
  QDomElement list = document.createElement(QStringLiteral("Variables"));
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    QDomElement element = document.createElement(QStringLiteral("Variable"));
    element.setAttribute(QStringLiteral("id"), QString::number(variable->id()));
    element.setAttribute(QStringLiteral("name"), text(variable->name()));
    element.setAttribute(QStringLiteral("nature"), static_cast<int>(variable->nature()));
    element.setAttribute(
      QStringLiteral("type"), ProjectDocumentFormat::typeName(variable->valueType()));
    element.setAttribute(QStringLiteral("locked"), variable->isLocked() ? 1 : 0);
    list.appendChild(element);
  }
  return list;
}

QDomElement ProjectDocumentWriter::cases(QDomDocument& document)
{
  const Project& project = Project::project();
  std::vector<boost::shared_ptr<const Variable>> variables;
  for (const auto& handle : project.variables())
    if (!handle.lock()->isCaseId())
      variables.push_back(handle.lock());
  QDomElement list = document.createElement(QStringLiteral("Cases"));
  std::vector<Variant> values(variables.size());
  for (vtkIdType row = 0; row < project.recordCount(); ++row)
  {
    const auto record = project.recordAtRow(row).lock();
    for (std::size_t i = 0; i < variables.size(); ++i)
      values[i] = record->data(*variables[i]);
    QDomElement element = document.createElement(QStringLiteral("Case"));
    element.setAttribute(QStringLiteral("id"), QString::number(record->caseId()));
    element.appendChild(document.createTextNode(text(ProjectDocumentFormat::joinValues(values))));
    list.appendChild(element);
  }
  return list;
}

QDomElement ProjectDocumentWriter::tagGroups(QDomDocument& document)
{
  QDomElement list = document.createElement(QStringLiteral("TagGroups"));
  for (const TagGroup& group : Project::project().tagGroups())
  {
    QDomElement element = document.createElement(QStringLiteral("TagGroup"));
    element.setAttribute(QStringLiteral("name"), text(group.name()));
    appendTags(document, element, group.tags());
    list.appendChild(element);
  }
  return list;
}

QDomElement ProjectDocumentWriter::auxFiles(QDomDocument& document, const QString& folder)
{
  QDomElement list = document.createElement(QStringLiteral("AuxFiles"));
  for (const auto& handle : Project::project().auxFiles())
  {
    const auto auxFile = handle.lock();
    QDomElement element = document.createElement(QStringLiteral("AuxFile"));
    element.setAttribute(QStringLiteral("id"), QString::number(auxFile->id()));
    element.setAttribute(QStringLiteral("case"), QString::number(auxFile->record().id()));
    element.setAttribute(
      QStringLiteral("path"), FileInfo(auxFile->filePath()).pathRelativeTo(folder));
    appendTags(document, element, auxFile->tags());
    list.appendChild(element);
  }
  return list;
}

QDomElement ProjectDocumentWriter::filterElements(QDomDocument& document,
  const std::vector<FilterSettings>& filters)
{
  QDomElement list = document.createElement(QStringLiteral("Filters"));
  for (const FilterSettings& filter : filters)
  {
    const bool range = filter.kind == FilterSettings::Kind::Range;
    QDomElement element =
      document.createElement(range ? QStringLiteral("RangeFilter") : QStringLiteral("ValueFilter"));
    element.setAttribute(QStringLiteral("variable"), text(filter.variable));
    element.setAttribute(QStringLiteral("enabled"), filter.enabled ? 1 : 0);
    if (range)
    {
      element.setAttribute(QStringLiteral("low"), text(Variant(filter.low).toString()));
      element.setAttribute(QStringLiteral("high"), text(Variant(filter.high).toString()));
    }
    for (const auto& value : filter.values)
    {
      QDomElement entry = document.createElement(QStringLiteral("Value"));
      entry.setAttribute(QStringLiteral("enabled"), value.second ? 1 : 0);
      entry.setAttribute(QStringLiteral("type"),
        value.first.isText() ? QStringLiteral("text") : QStringLiteral("number"));
      entry.appendChild(document.createTextNode(text(value.first.toString())));
      element.appendChild(entry);
    }
    list.appendChild(element);
  }
  return list;
}
