#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/core/SuspendableInterface.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

class SurrogateModelManagerInterface;

/// Whether a surrogate-model surface makes sense for the 3D view's axes: two axes on model
/// inputs and the third on a dependent variable; or, with no axis on an input, colour and size
/// both by data on two different inputs. Always the computed value: storing one does nothing.
class DerivedDataRelevanceProperty3D
  : public vantor::PropertyAbstract<bool>
  , public SuspendableInterface
{
public:
  DerivedDataRelevanceProperty3D(boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    PropertyPtr<VariablePtr> xVar,
    PropertyPtr<VariablePtr> yVar,
    PropertyPtr<VariablePtr> zVar,
    PropertyPtr<VariablePtr> colorVar,
    PropertyPtr<bool> colorByData,
    PropertyPtr<VariablePtr> sizeVar,
    PropertyPtr<bool> sizeByData);

  void suspend() override;
  /// Catches up with changes missed while suspended.
  void resume() override;

private:
  void storeValue(const bool&) override {}
  bool retrieveValue() const override { return m_value; }
  bool compute() const;
  bool colorAndSizeAreTwoInputs() const;
  void update();

  boost::shared_ptr<const SurrogateModelManagerInterface> m_manager;
  PropertyPtr<VariablePtr> m_xVar;
  PropertyPtr<VariablePtr> m_yVar;
  PropertyPtr<VariablePtr> m_zVar;
  PropertyPtr<VariablePtr> m_colorVar;
  PropertyPtr<bool> m_colorByData;
  PropertyPtr<VariablePtr> m_sizeVar;
  PropertyPtr<bool> m_sizeByData;
  bool m_value = false;
  SignalConnectionCollection m_connections;
};
