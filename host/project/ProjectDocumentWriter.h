#pragma once

#include "host/project/FilterSettings.h"

#include <QDomDocument>
#include <QString>
#include <boost/function.hpp>
#include <vector>

/// Writes the project (variables, cases, tag groups, aux files) and the given filters as an
/// XML document. Aux file paths inside the document's folder are written relative to it.
class ProjectDocumentWriter
{
public:
  /// Lets the caller append elements of its own (the views) to the root element.
  using ExtraElements = boost::function<void(QDomDocument& document, QDomElement& root)>;

  static QDomDocument document(const QString& folder,
    const std::vector<FilterSettings>& filters,
    const ExtraElements& extra = {});
  /// Throws ProjectError when the file cannot be written.
  static void write(const QString& path,
    const std::vector<FilterSettings>& filters,
    const ExtraElements& extra = {});

private:
  static QDomElement variables(QDomDocument& document);
  static QDomElement cases(QDomDocument& document);
  static QDomElement tagGroups(QDomDocument& document);
  static QDomElement auxFiles(QDomDocument& document, const QString& folder);
  static QDomElement filterElements(QDomDocument& document,
    const std::vector<FilterSettings>& filters);
};
