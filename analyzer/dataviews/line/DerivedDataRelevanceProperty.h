#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/core/SuspendableInterface.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

class SurrogateModelManagerInterface;

/// Whether surrogate-model lines make sense for a line plot's settings: one of x, y or the sort
/// variable must be a model input that no grouping in use also shows, nothing used may be a
/// variable of neither kind or an independent variable outside the models, x and y may not
/// both be independent, and no grouping in use may be by a dependent variable. Always the
/// computed value: storing one does nothing.
class DerivedDataRelevanceProperty
  : public vantor::PropertyAbstract<bool>
  , public SuspendableInterface
{
public:
  DerivedDataRelevanceProperty(boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    PropertyPtr<VariablePtr> xVar,
    PropertyPtr<VariablePtr> yVar,
    PropertyPtr<VariablePtr> sortBy,
    PropertyPtr<VariablePtr> colorVar,
    PropertyPtr<bool> colorByData,
    PropertyPtr<VariablePtr> symbolVar,
    PropertyPtr<bool> symbolByData);

  void suspend() override;
  /// Catches up with changes missed while suspended.
  void resume() override;

private:
  void storeValue(const bool&) override {}
  bool isEqual(const bool&) const override { return true; }
  bool retrieveValue() const override { return m_value; }
  bool compute() const;
  void update();

  boost::shared_ptr<const SurrogateModelManagerInterface> m_manager;
  PropertyPtr<VariablePtr> m_xVar;
  PropertyPtr<VariablePtr> m_yVar;
  PropertyPtr<VariablePtr> m_sortBy;
  PropertyPtr<VariablePtr> m_colorVar;
  PropertyPtr<bool> m_colorByData;
  PropertyPtr<VariablePtr> m_symbolVar;
  PropertyPtr<bool> m_symbolByData;
  bool m_value = false;
  SignalConnectionCollection m_connections;
};
