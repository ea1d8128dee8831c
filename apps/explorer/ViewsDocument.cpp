#include "apps/explorer/ViewsDocument.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/serialize/SelectedCasesViewFinder.h"
#include "analyzer/dataviews/serialize/ViewCollectionSerializer.h"
#include "apps/explorer/FailureText.h"
#include "host/common/XmlDocumentLoader.h"
#include "host/serialization/SerializerInterface.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace
{

const QString viewsName = QStringLiteral("Views");
constexpr int shownValueLength = 40;

int childElementCount(const QDomElement& parent)
{
  int count = 0;
  for (QDomElement child = parent.firstChildElement(); !child.isNull();
       child = child.nextSiblingElement())
    ++count;
  return count;
}

/// Whether reading a copy of the chain fails, each level of the copy holding only the next
/// level, and the last holding only `leaf` (deeply copied) when given.
bool readingFails(const SerializerInterface& serializer,
  const std::vector<QDomElement>& chain,
  const QDomElement& leaf)
{
  QDomDocument scratch;
  QDomNode parent;
  for (const QDomElement& level : chain)
  {
    const QDomNode copy = scratch.importNode(level, false);
    parent = parent.isNull() ? scratch.appendChild(copy) : parent.appendChild(copy);
  }
  if (!leaf.isNull())
    parent.appendChild(scratch.importNode(leaf, true));
  QDomElement root = scratch.documentElement();
  try
  {
    serializer.deserialize(root);
    return false;
  }
  catch (...)
  {
    return true;
  }
}

/// The chain of elements from the view's element down to the setting whose reading fails. A
/// missing element leaves its setting as it is, so the view reads one branch at a time; the
/// branches that read well are applied on the way, which is what the full read would have done.
std::vector<QDomElement> failingBranch(const SerializerInterface& serializer,
  const QDomElement& viewElement)
{
  std::vector<QDomElement> chain{ viewElement };
  while (!readingFails(serializer, chain, QDomElement()))
  {
    QDomElement culprit;
    for (QDomElement child = chain.back().firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
    {
      if (readingFails(serializer, chain, child))
      {
        culprit = child;
        break;
      }
    }
    if (culprit.isNull())
      break;
    chain.push_back(culprit);
  }
  return chain;
}

QString shownValue(const QDomElement& element)
{
  if (!element.firstChildElement().isNull())
    return {};
  QStringList parts;
  const QDomNamedNodeMap attributes = element.attributes();
  for (int i = 0; i < attributes.count(); ++i)
  {
    const QDomAttr attribute = attributes.item(i).toAttr();
    parts << QStringLiteral("%1=\"%2\"").arg(attribute.name(), attribute.value());
  }
  const QString text = element.text().trimmed();
  if (!text.isEmpty() || parts.isEmpty())
    parts << QStringLiteral("\"%1\"").arg(
      text.length() > shownValueLength ? text.left(shownValueLength) + "..." : text);
  return parts.join(' ');
}

QString placeOf(const std::vector<QDomElement>& chain)
{
  if (chain.size() < 2)
    return {};
  QStringList names;
  for (std::size_t i = 1; i < chain.size(); ++i)
    names << chain[i].tagName();
  return QStringLiteral(", setting %1 = %2").arg(names.join(" > "), shownValue(chain.back()));
}

} // namespace

ViewsDocument::ViewsDocument(boost::shared_ptr<DataViewManagerInterface> manager)
  : m_manager(std::move(manager))
{
}

QDomDocument ViewsDocument::document() const
{
  QDomDocument document;
  document.appendChild(
    document.createProcessingInstruction("xml", "version=\"1.0\" encoding=\"UTF-8\""));
  document.appendChild(viewsElement(document));
  return document;
}

QDomElement ViewsDocument::viewsElement(QDomDocument& document) const
{
  return ViewCollectionSerializer(m_manager).serialize(document);
}

void ViewsDocument::write(const QString& path) const
{
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(document().toByteArray(2)) < 0)
    throw ViewsDocumentError(
      QStringLiteral("Cannot write \"%1\": %2.").arg(path, file.errorString()).toStdString());
}

ViewsDocument::Problems ViewsDocument::restore(const QDomElement& views) const
{
  Problems problems;
  const int total = childElementCount(views);
  int position = 0;
  for (QDomElement child = views.firstChildElement(); !child.isNull();
       child = child.nextSiblingElement())
  {
    ++position;
    const QString where =
      QStringLiteral("View %1 of %2 (\"%3\")").arg(position).arg(total).arg(child.tagName());
    if (!ViewCollectionSerializer(m_manager).isViewKind(child.tagName().toStdString()))
    {
      problems.skipped << where + " was skipped: there is no kind of view of that name";
      continue;
    }
    const std::size_t viewsBefore = m_manager->dataViews().size();
    try
    {
      readThroughSerializer(child);
    }
    catch (...)
    {
      const QString reason = FailureText::reason(std::current_exception());
      const auto view = viewReading(child, viewsBefore);
      if (!view)
      {
        problems.skipped << where + " was skipped: " + reason;
        continue;
      }
      problems.failure =
        where + placeOf(failingBranch(view->serializer(), child)) + ": " + reason + ".";
      break;
    }
  }
  return problems;
}

QDomElement ViewsDocument::readViewsElement(const QString& path, QDomDocument& document)
{
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ViewsDocumentError(QStringLiteral("Cannot open \"%1\": %2.")
                               .arg(path,
                                 file.exists() ? QStringLiteral("it cannot be read")
                                               : QStringLiteral("there is no such file"))
                               .toStdString());
  XmlDocumentLoader::Problem problem;
  if (!XmlDocumentLoader::load(document, file.readAll(), problem))
    throw ViewsDocumentError(
      QString(problem.tooDeep ? "%1, line %2, column %3: the file is refused: %4."
                              : "%1, line %2, column %3: the file is not well-formed XML (%4).")
        .arg(name)
        .arg(problem.line)
        .arg(problem.column)
        .arg(problem.reason)
        .toStdString());
  QDomElement root = document.documentElement();
  const QDomElement views = root.tagName() == viewsName ? root : root.firstChildElement(viewsName);
  if (views.isNull())
    throw ViewsDocumentError(
      QStringLiteral("%1 holds no views (it has no \"Views\" element).").arg(name).toStdString());
  return views;
}

void ViewsDocument::readThroughSerializer(const QDomElement& element) const
{
  // One view per pass, so that a failure is known to belong to this element.
  QDomDocument single;
  QDomElement views = single.createElement(viewsName);
  single.appendChild(views);
  views.appendChild(single.importNode(element, true));
  ViewCollectionSerializer(m_manager).deserialize(views);
}

boost::shared_ptr<DataViewInterface> ViewsDocument::viewReading(const QDomElement& element,
  std::size_t viewsBefore) const
{
  if (element.tagName() == QLatin1String("SelectedCasesView"))
    return selectedCasesView(*m_manager);
  const auto views = m_manager->dataViews();
  return views.size() > viewsBefore ? views.back() : nullptr;
}
