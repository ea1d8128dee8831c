#include "analyzer/dataviews/line/DerivedDataVisibilityProperty.h"

#include "property/PropertyInstantiations.h"

DerivedDataVisibilityProperty::DerivedDataVisibilityProperty(PropertyPtr<bool> show,
  PropertyPtr<bool> relevance)
  : m_show(std::move(show))
  , m_relevance(std::move(relevance))
{
  m_value = compute();
  for (const auto& input : { m_show, m_relevance })
    m_connections.add(input->signalValueChanged.connect([this](bool) { update(); }));
}

bool DerivedDataVisibilityProperty::compute() const
{
  return m_show->value() && m_relevance->value();
}

void DerivedDataVisibilityProperty::update()
{
  const bool value = compute();
  if (value == m_value)
    return;
  m_value = value;
  signalValueChanged(m_value);
}
