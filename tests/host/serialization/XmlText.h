#pragma once

#include "host/serialization/SerializerInterface.h"

#include <QDomDocument>
#include <QDomElement>
#include <gtest/gtest.h>
#include <string>

namespace testsupport
{

/// The serializer's element as compact XML text.
inline std::string xmlText(const SerializerInterface& serializer)
{
  QDomDocument document;
  document.appendChild(serializer.serialize(document));
  return document.toString(-1).trimmed().toStdString();
}

/// Reads the given XML text with the serializer, as loading a document would.
inline void readXml(const SerializerInterface& serializer, const std::string& xml)
{
  QDomDocument document;
  ASSERT_TRUE(document.setContent(QString::fromStdString(xml))) << xml;
  QDomElement element = document.documentElement();
  serializer.deserialize(element);
}

} // namespace testsupport
