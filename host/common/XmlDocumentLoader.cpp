#include "host/common/XmlDocumentLoader.h"

#include <QTextCodec>
#include <QXmlStreamReader>

namespace
{

/// The text as the DOM parser decodes it. Bytes invalid in their encoding become U+FFFD there,
/// while the streaming reader stops at once, before measuring any depth: it reads the text.
QString decoded(const QByteArray& bytes)
{
  return QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("UTF-8"))->toUnicode(bytes);
}

/// The place where the nesting first passes the limit; false when it never does.
bool findTooDeep(const QByteArray& bytes, XmlDocumentLoader::Problem& problem)
{
  QXmlStreamReader reader(decoded(bytes));
  int depth = 0;
  while (!reader.atEnd())
  {
    switch (reader.readNext())
    {
      case QXmlStreamReader::StartElement:
        if (++depth > XmlDocumentLoader::maxDepth)
        {
          problem.reason = QStringLiteral("elements are nested deeper than %1 levels")
                             .arg(XmlDocumentLoader::maxDepth);
          problem.line = static_cast<int>(reader.lineNumber());
          problem.column = static_cast<int>(reader.columnNumber());
          problem.tooDeep = true;
          return true;
        }
        break;
      case QXmlStreamReader::EndElement:
        --depth;
        break;
      default:
        break;
    }
  }
  // Malformed documents are left to the DOM parser, whose messages the readers already use.
  return false;
}

} // namespace

bool XmlDocumentLoader::load(QDomDocument& document, const QByteArray& bytes, Problem& problem)
{
  problem = Problem();
  if (findTooDeep(bytes, problem))
    return false;
  return document.setContent(bytes, &problem.reason, &problem.line, &problem.column);
}
