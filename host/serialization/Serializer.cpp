#include "host/serialization/Serializer.h"

#include <QDomDocument>
#include <QDomElement>
#include <algorithm>
#include <utility>

Serializer::Serializer(std::string name)
  : m_name(std::move(name))
{
}

Serializer::~Serializer() = default;

QDomElement Serializer::serialize(QDomDocument& document) const
{
  QDomElement element = document.createElement(QString::fromStdString(m_name));
  serializeSelf(element);
  for (const Child& child : m_children)
  {
    if (child.written)
      element.appendChild(child.serializer->serialize(document));
  }
  return element;
}

void Serializer::deserialize(QDomElement& element) const
{
  deserializeSelf(element);
  for (const Child& child : m_children)
  {
    QDomElement childElement =
      element.firstChildElement(QString::fromStdString(child.serializer->name()));
    if (!childElement.isNull())
      child.serializer->deserialize(childElement);
  }
}

void Serializer::addSubElement(boost::shared_ptr<SerializerInterface> child)
{
  m_children.push_back(Child{ std::move(child), true });
}

void Serializer::addDeserializeOnlySubElement(boost::shared_ptr<SerializerInterface> child)
{
  m_children.push_back(Child{ std::move(child), false });
}

void Serializer::replaceSubElement(boost::shared_ptr<SerializerInterface> child)
{
  const std::string name = child->name();
  auto existing = std::find_if(m_children.begin(), m_children.end(),
    [&name](const Child& c) { return c.serializer->name() == name; });
  if (existing == m_children.end())
    addSubElement(std::move(child));
  else
    existing->serializer = std::move(child);
}

void Serializer::serializeSelf(QDomElement&) const {}

void Serializer::deserializeSelf(QDomElement&) const {}
