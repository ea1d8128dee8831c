#pragma once

#include "host/core/ExceptionBase.h"

#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>

class DataViewInterface;
class DataViewManagerInterface;

/// A views document, or a view in it, that could not be read; the message says which and why.
class ViewsDocumentError : public vantor::ExceptionBase
{
public:
  using vantor::ExceptionBase::ExceptionBase;
};

/// The open views as an XML element "Views" (alone in a views document, or inside a project
/// document), written and restored through the view collection serializer.
class ViewsDocument
{
public:
  explicit ViewsDocument(boost::shared_ptr<DataViewManagerInterface> manager);

  /// A document whose root is the "Views" element of the manager's views.
  QDomDocument document() const;
  QDomElement viewsElement(QDomDocument& document) const;
  /// Throws ViewsDocumentError when the file cannot be written.
  void write(const QString& path) const;

  /// What restoring found wrong, in words for the user.
  struct Problems
  {
    /// Views of kinds this build lacks, which were skipped.
    QStringList skipped;
    /// The view whose settings could not be read, which ended the restore; empty if none.
    QString failure;
  };

  /// Creates the views of a "Views" element in document order. A view of a kind this build
  /// lacks is skipped. The first view whose settings cannot be read ends the restore; it and
  /// the views before it stay open.
  Problems restore(const QDomElement& views) const;

  /// The "Views" element of a views or project document file. Throws ViewsDocumentError.
  static QDomElement readViewsElement(const QString& path, QDomDocument& document);

private:
  void readThroughSerializer(const QDomElement& element) const;
  /// The view that was reading the element when it failed; empty when none was created.
  boost::shared_ptr<DataViewInterface> viewReading(const QDomElement& element,
    std::size_t viewsBefore) const;

  boost::shared_ptr<DataViewManagerInterface> m_manager;
};
