#pragma once

#include <string>

class QDomDocument;
class QDomElement;

/// Writes and reads one XML element of a document.
class SerializerInterface
{
public:
  virtual ~SerializerInterface() = default;

  virtual std::string name() const = 0;
  /// Builds this serializer's element in the document (not yet attached anywhere).
  virtual QDomElement serialize(QDomDocument& document) const = 0;
  /// Reads the given element, which carries this serializer's name.
  virtual void deserialize(QDomElement& element) const = 0;
};
