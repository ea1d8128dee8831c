#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SignalConnectionCollection.h"
#include "property/PropertyAbstract.h"

/// Whether a line plot draws its surrogate lines: while the user asks for them and they make
/// sense. Announced only when the answer changes; storing from outside does nothing.
class DerivedDataVisibilityProperty : public vantor::PropertyAbstract<bool>
{
public:
  DerivedDataVisibilityProperty(PropertyPtr<bool> show, PropertyPtr<bool> relevance);

private:
  void storeValue(const bool&) override {}
  bool retrieveValue() const override { return m_value; }
  bool compute() const;
  void update();

  PropertyPtr<bool> m_show;
  PropertyPtr<bool> m_relevance;
  bool m_value = false;
  SignalConnectionCollection m_connections;
};
