#include "analyzer/dataviews/scatter3d/InteractorStyle3D.h"

#include "analyzer/dataviews/scatter3d/RubberBandingInteractorStyle3D.h"
#include "analyzer/dataviews/scatter3d/SphericalRotationInteractorStyle3D.h"
#include "property/PropertyInstantiations.h"

#include <vtkNew.h>
#include <vtkRenderWindowInteractor.h>

InteractorStyle3D::InteractorStyle3D(vtkSmartPointer<vtkRenderWindowInteractor> interactor)
  : m_mouseMode(
      boost::make_shared<vantor::Property<DataViewInterface::MouseMode>>(DataViewInterface::Select))
  , m_interactor(std::move(interactor))
{
  m_mouseMode->setValue(DataViewInterface::Rotate);
  m_connections.add(m_mouseMode->signalValueChanged.connect(
    [this](DataViewInterface::MouseMode) { switchStyle(); }));
  switchStyle();
}

InteractorStyle3D::~InteractorStyle3D() = default;

void InteractorStyle3D::suspend()
{
  m_connections.block();
}

void InteractorStyle3D::resume()
{
  m_connections.unblock();
}

void InteractorStyle3D::switchStyle()
{
  if (m_mouseMode->value() == DataViewInterface::Rotate)
  {
    vtkNew<SphericalRotationInteractorStyle3D> style;
    m_interactor->SetInteractorStyle(style);
    return;
  }
  vtkNew<RubberBandingInteractorStyle3D> style;
  style->setMouseMode(m_mouseMode);
  m_interactor->SetInteractorStyle(style);
}
