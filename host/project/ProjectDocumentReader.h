#pragma once

#include "host/project/FilterSettings.h"
#include "host/project/ProjectContents.h"

#include <QDomDocument>
#include <QString>
#include <string>
#include <vector>

/// A project document as read, before it replaces the project.
struct LoadedProjectDocument
{
  ProjectContents contents;
  std::vector<FilterSettings> filters;
  /// Top-level elements this reader does not know (the views), in document order; they belong
  /// to `document`, which is kept for them.
  std::vector<QDomElement> otherElements;
  QDomDocument document;
};

/// Reads what ProjectDocumentWriter writes. Every error (malformed XML, an unknown variable, a
/// case with too few values, a missing aux file) throws ImportError naming the file, and
/// nothing of the document is used.
class ProjectDocumentReader
{
public:
  static LoadedProjectDocument read(const QString& path);
  /// `folder` resolves relative aux file paths; `name` is used in messages.
  static LoadedProjectDocument read(const QDomDocument& document,
    const QString& folder,
    const std::string& name);

private:
  ProjectDocumentReader(const QString& folder, std::string name);

  [[noreturn]] void fail(const std::string& message) const;
  void readVariables(const QDomElement& element, LoadedProjectDocument& result) const;
  void readCases(const QDomElement& element, LoadedProjectDocument& result) const;
  void readTagGroups(const QDomElement& element, LoadedProjectDocument& result) const;
  void readAuxFiles(const QDomElement& element, LoadedProjectDocument& result) const;
  void readFilters(const QDomElement& element, LoadedProjectDocument& result) const;
  FilterSettings readFilter(const QDomElement& element, const ProjectContents& contents) const;
  uint64_t idAttribute(const QDomElement& element, const QString& name) const;
  double numberAttribute(const QDomElement& element, const QString& name) const;

  QString m_folder;
  std::string m_name;
};
