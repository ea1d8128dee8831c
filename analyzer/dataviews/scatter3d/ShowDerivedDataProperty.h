#pragma once

#include "host/core/SignalConnectionCollection.h"
#include "property/Property.h"

#include <boost/shared_ptr.hpp>
#include <vtkSmartPointer.h>

class vtkActor;
class vtkRenderer;

/// What the user asked for: show the surrogate-model surface. The surface actor is in the
/// renderer only while this is true and the surface is relevant; the stored value is kept
/// either way, so the surface comes back when the axes make it relevant again.
class ShowDerivedDataProperty : public virtual vantor::Property<bool>
{
public:
  ShowDerivedDataProperty(boost::shared_ptr<vantor::PropertyAbstract<bool>> relevance,
    vtkSmartPointer<vtkRenderer> renderer,
    vtkSmartPointer<vtkActor> surface);

private:
  void storeValue(const bool& value) override;
  void applyVisibility();

  boost::shared_ptr<vantor::PropertyAbstract<bool>> m_relevance;
  vtkSmartPointer<vtkRenderer> m_renderer;
  vtkSmartPointer<vtkActor> m_surface;
  SignalConnectionCollection m_connections;
};
