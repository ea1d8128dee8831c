#pragma once

#include "host/project/WeakPtr.h"
#include "host/serialization/Serializer.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

class Variable;

/// A variable reference saved as the variable's name, so that it resolves again against the
/// variables of a reopened project (whose ids may differ). An empty element is the null
/// reference. A name that the project no longer has leaves the property as it is: the view
/// keeps a usable variable rather than failing to load.
class VariableInfoSerializer : public Serializer
{
public:
  VariableInfoSerializer(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> property);

private:
  void serializeSelf(QDomElement& element) const override;
  void deserializeSelf(QDomElement& element) const override;

  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> m_property;
};
