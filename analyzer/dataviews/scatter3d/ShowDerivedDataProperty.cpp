#include "analyzer/dataviews/scatter3d/ShowDerivedDataProperty.h"

#include <vtkActor.h>
#include <vtkRenderer.h>

ShowDerivedDataProperty::ShowDerivedDataProperty(
  boost::shared_ptr<vantor::PropertyAbstract<bool>> relevance,
  vtkSmartPointer<vtkRenderer> renderer,
  vtkSmartPointer<vtkActor> surface)
  : vantor::Property<bool>(false)
  , m_relevance(std::move(relevance))
  , m_renderer(std::move(renderer))
  , m_surface(std::move(surface))
{
  m_connections.add(m_relevance->signalValueChanged.connect([this](bool) { applyVisibility(); }));
}

void ShowDerivedDataProperty::storeValue(const bool& value)
{
  vantor::Property<bool>::storeValue(value);
  applyVisibility();
}

void ShowDerivedDataProperty::applyVisibility()
{
  if (value() && m_relevance->value())
  {
    if (!m_renderer->HasViewProp(m_surface))
      m_renderer->AddActor(m_surface);
  }
  else
    m_renderer->RemoveActor(m_surface);
}
