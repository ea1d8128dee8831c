#pragma once

#include "host/serialization/Serializer.h"
#include "host/surrogate/SurrogateModelUserDistCollection.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

/// The value distributions as one child "Distribution" per variable, with the attributes
/// "Variable" (its name) and "Mode", and the points as the text, separated by blanks, each in
/// its shortest exact form. Reading replaces the whole collection; an unreadable mode or point
/// throws boost::bad_lexical_cast or std::out_of_range and leaves the property as it was.
class SurrogateModelUserDistCollectionSerializer : public Serializer
{
public:
  static const char* const defaultName;

  explicit SurrogateModelUserDistCollectionSerializer(
    boost::shared_ptr<vantor::PropertyAbstract<SurrogateModelUserDistCollection>> property,
    const std::string& name = defaultName);

private:
  void serializeSelf(QDomElement& element) const override;
  void deserializeSelf(QDomElement& element) const override;

  boost::shared_ptr<vantor::PropertyAbstract<SurrogateModelUserDistCollection>> m_property;
};
