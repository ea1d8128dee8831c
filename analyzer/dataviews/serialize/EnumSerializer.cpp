#include "analyzer/dataviews/serialize/EnumSerializer.h"

#include "analyzer/dataviews/Coloring.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"

#include <QDomDocument>
#include <QDomElement>
#include <stdexcept>

template<class E>
EnumSerializer<E>::EnumSerializer(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<E>> property,
  NamedValueTranslator<E> translator)
  : Serializer(name)
  , m_translator(std::move(translator))
  , m_property(std::move(property))
{
}

template<class E>
void EnumSerializer<E>::serializeSelf(QDomElement& element) const
{
  const QString text = QString::fromStdString(nameOf(m_property->value()));
  element.appendChild(element.ownerDocument().createTextNode(text));
}

template<class E>
void EnumSerializer<E>::deserializeSelf(QDomElement& element) const
{
  m_property->setValue(valueNamed(element.text().toStdString()));
}

// The translator's own out_of_range says only "map::at"; the user needs to see what was wrong.
template<class E>
std::string EnumSerializer<E>::nameOf(E value) const
{
  try
  {
    return m_translator.toName(value);
  }
  catch (const std::out_of_range&)
  {
    throw std::out_of_range(
      name() + ": the value " + std::to_string(static_cast<int>(value)) + " has no name");
  }
}

template<class E>
E EnumSerializer<E>::valueNamed(const std::string& text) const
{
  try
  {
    return m_translator.toValue(text);
  }
  catch (const std::out_of_range&)
  {
    throw std::out_of_range(name() + ": \"" + text + "\" is not a known name");
  }
}

template class EnumSerializer<Coloring_e>;
template class EnumSerializer<ScatterPlot3DInterface::Shape>;
template class EnumSerializer<ImageMatrixViewProperties::RowColumnDimensionBy>;
template class EnumSerializer<ImageMatrixViewProperties::PageDimensionBy>;
