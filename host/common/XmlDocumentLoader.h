#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QString>

/// Builds DOM trees from untrusted files. Building a tree recurses once per nesting level, so a
/// document nested tens of thousands of levels deep would overflow the stack: a streaming pass
/// refuses documents deeper than `maxDepth` before any tree is built.
class XmlDocumentLoader
{
public:
  static constexpr int maxDepth = 256;

  struct Problem
  {
    /// What is wrong, without the place: "elements are nested deeper than 256 levels" or the
    /// parser's message.
    QString reason;
    int line = 0;
    int column = 0;
    bool tooDeep = false;
  };

  /// Whether `document` now holds the parsed bytes; otherwise `problem` says why not.
  static bool load(QDomDocument& document, const QByteArray& bytes, Problem& problem);
};
