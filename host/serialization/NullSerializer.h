#pragma once

#include "host/serialization/Serializer.h"

/// The serializer of a view that is not persisted: it writes no element (serialize returns a
/// null element, which appendChild ignores) and reads nothing.
class NullSerializer : public Serializer
{
public:
  NullSerializer();

  QDomElement serialize(QDomDocument& document) const override;
  void deserialize(QDomElement& element) const override;
};
