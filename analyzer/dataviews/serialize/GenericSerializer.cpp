#include "analyzer/dataviews/serialize/GenericSerializer.h"

#include <QDomDocument>
#include <QDomElement>
#include <boost/lexical_cast.hpp>
#include <stdexcept>

template<class T>
GenericSerializer<T>::GenericSerializer(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<T>> property)
  : GenericSerializer(
      name,
      [property] { return property->value(); },
      [property](const T& value) { property->setValue(value); })
{
}

template<class T>
GenericSerializer<T>::GenericSerializer(const std::string& name, Getter1 getter, Setter1 setter)
  : Serializer(name)
  , m_getter1(std::move(getter))
  , m_setter1(std::move(setter))
{
}

template<class T>
GenericSerializer<T>::GenericSerializer(const std::string& name,
  std::vector<std::string> attributeNames,
  Getter2 getter,
  Setter2 setter)
  : Serializer(name)
  , m_attributeNames(std::move(attributeNames))
  , m_getter2(std::move(getter))
  , m_setter2(std::move(setter))
{
  requireAttributeCount(2);
}

template<class T>
GenericSerializer<T>::GenericSerializer(const std::string& name,
  std::vector<std::string> attributeNames,
  Getter3 getter,
  Setter3 setter)
  : Serializer(name)
  , m_attributeNames(std::move(attributeNames))
  , m_getter3(std::move(getter))
  , m_setter3(std::move(setter))
{
  requireAttributeCount(3);
}

template<class T>
std::string GenericSerializer<T>::toString(const T& value) const
{
  return boost::lexical_cast<std::string>(value);
}

template<class T>
T GenericSerializer<T>::fromString(const std::string& text) const
{
  return boost::lexical_cast<T>(text);
}

template<class T>
void GenericSerializer<T>::serializeSelf(QDomElement& element) const
{
  const Values values = currentValues();
  if (m_attributeNames.empty())
  {
    const QString text = QString::fromStdString(toString(values[0]));
    element.appendChild(element.ownerDocument().createTextNode(text));
    return;
  }
  for (std::size_t i = 0; i < m_attributeNames.size(); ++i)
    element.setAttribute(
      QString::fromStdString(m_attributeNames[i]), QString::fromStdString(toString(values[i])));
}

template<class T>
void GenericSerializer<T>::deserializeSelf(QDomElement& element) const
{
  Values values = currentValues();
  if (m_attributeNames.empty())
    values[0] = fromString(element.text().toStdString());
  for (std::size_t i = 0; i < m_attributeNames.size(); ++i)
  {
    const QString text = element.attribute(QString::fromStdString(m_attributeNames[i]));
    if (!text.isEmpty())
      values[i] = fromString(text.toStdString());
  }
  applyValues(values);
}

template<class T>
typename GenericSerializer<T>::Values GenericSerializer<T>::currentValues() const
{
  Values values{};
  if (m_getter1)
    values[0] = m_getter1();
  else if (m_getter2)
    m_getter2(values[0], values[1]);
  else
    m_getter3(values[0], values[1], values[2]);
  return values;
}

template<class T>
void GenericSerializer<T>::applyValues(const Values& values) const
{
  if (m_setter1)
    m_setter1(values[0]);
  else if (m_setter2)
    m_setter2(values[0], values[1]);
  else
    m_setter3(values[0], values[1], values[2]);
}

template<class T>
void GenericSerializer<T>::requireAttributeCount(std::size_t count) const
{
  if (m_attributeNames.size() != count)
    throw std::invalid_argument(
      "GenericSerializer " + name() + ": needs " + std::to_string(count) + " attribute names");
}

template class GenericSerializer<bool>;
template class GenericSerializer<int>;
template class GenericSerializer<float>;
template class GenericSerializer<double>;
template class GenericSerializer<uint64_t>;
template class GenericSerializer<std::string>;
