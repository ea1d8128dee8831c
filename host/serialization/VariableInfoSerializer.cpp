#include "host/serialization/VariableInfoSerializer.h"

#include "host/project/Project.h"
#include "host/project/Variable.h"

#include <QDomDocument>
#include <QDomElement>

VariableInfoSerializer::VariableInfoSerializer(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> property)
  : Serializer(name)
  , m_property(std::move(property))
{
}

void VariableInfoSerializer::serializeSelf(QDomElement& element) const
{
  auto variable = m_property->value().lock();
  if (variable)
    element.appendChild(
      element.ownerDocument().createTextNode(QString::fromStdString(variable->name())));
}

void VariableInfoSerializer::deserializeSelf(QDomElement& element) const
{
  const std::string name = element.text().toStdString();
  if (name.empty())
  {
    m_property->setValue(WeakPtr<Variable>());
    return;
  }
  const WeakPtr<Variable> variable = Project::project().variable(name);
  if (variable.lock())
    m_property->setValue(variable);
}
