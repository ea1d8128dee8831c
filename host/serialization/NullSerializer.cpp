#include "host/serialization/NullSerializer.h"

#include <QDomElement>

NullSerializer::NullSerializer()
  : Serializer("Null")
{
}

QDomElement NullSerializer::serialize(QDomDocument&) const
{
  return QDomElement();
}

void NullSerializer::deserialize(QDomElement&) const {}
