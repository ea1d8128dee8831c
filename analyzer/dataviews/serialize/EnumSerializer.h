#pragma once

#include "host/serialization/Serializer.h"
#include "property/NamedValueTranslator.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

/// An enumeration property as the name of its value, <Shape>Cube</Shape>. A name or value the
/// translator does not know throws std::out_of_range.
template<class E>
class EnumSerializer : public Serializer
{
public:
  EnumSerializer(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<E>> property,
    NamedValueTranslator<E> translator);

private:
  void serializeSelf(QDomElement& element) const override;
  void deserializeSelf(QDomElement& element) const override;
  std::string nameOf(E value) const;
  E valueNamed(const std::string& text) const;

  NamedValueTranslator<E> m_translator;
  boost::shared_ptr<vantor::PropertyAbstract<E>> m_property;
};
