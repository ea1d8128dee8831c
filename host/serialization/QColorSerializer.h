#pragma once

#include "host/serialization/Serializer.h"
#include "property/PropertyAbstract.h"

#include <QColor>
#include <boost/shared_ptr.hpp>

/// A colour as the attributes "Red", "Green", "Blue" and "Alpha" (0 to 255). On reading, a
/// missing or empty attribute keeps that channel of the current colour.
class QColorSerializer : public Serializer
{
public:
  QColorSerializer(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<QColor>> property);

private:
  void serializeSelf(QDomElement& element) const override;
  void deserializeSelf(QDomElement& element) const override;

  boost::shared_ptr<vantor::PropertyAbstract<QColor>> m_property;
};
