#include "analyzer/dataviews/scatter3d/RubberBandingInteractorStyle3D.h"

#include "property/PropertyInstantiations.h"

#include <vtkCallbackCommand.h>
#include <vtkCommand.h>
#include <vtkObjectFactory.h>
#include <vtkRenderWindowInteractor.h>

vtkStandardNewMacro(RubberBandingInteractorStyle3D);

namespace
{
// The base class's own names for its two modes.
constexpr int orientMode = 0;
constexpr int selectMode = 1;
constexpr int clickMargin = 5;
} // namespace

RubberBandingInteractorStyle3D::RubberBandingInteractorStyle3D()
  : m_startActions{ { DataViewInterface::Pan, &vtkInteractorStyle::StartPan },
    { DataViewInterface::Rotate, &vtkInteractorStyle::StartRotate },
    { DataViewInterface::Zoom, &vtkInteractorStyle::StartDolly } }
  , m_motionActions{ { DataViewInterface::Pan, &vtkInteractorStyle::Pan },
    { DataViewInterface::Rotate, &vtkInteractorStyle::Rotate },
    { DataViewInterface::Zoom, &vtkInteractorStyle::Dolly } }
  , m_endActions{ { DataViewInterface::Pan, &vtkInteractorStyle::EndPan },
    { DataViewInterface::Rotate, &vtkInteractorStyle::EndRotate },
    { DataViewInterface::Zoom, &vtkInteractorStyle::EndDolly } }
{
}

void RubberBandingInteractorStyle3D::setMouseMode(boost::shared_ptr<MouseModeProperty> mouseMode)
{
  m_mouseMode = std::move(mouseMode);
}

DataViewInterface::MouseMode RubberBandingInteractorStyle3D::mode() const
{
  return m_mouseMode ? m_mouseMode->value() : DataViewInterface::Select;
}

void RubberBandingInteractorStyle3D::run(Action action)
{
  if (action)
    (this->*action)();
}

void RubberBandingInteractorStyle3D::OnLeftButtonDown()
{
  if (mode() == DataViewInterface::Select)
  {
    CurrentMode = selectMode;
    Superclass::OnLeftButtonDown();
    return;
  }
  const int* position = Interactor->GetEventPosition();
  FindPokedRenderer(position[0], position[1]);
  if (!CurrentRenderer)
    return;
  GrabFocus(EventCallbackCommand);
  m_leftButtonDown = true;
  const auto start = m_startActions.find(mode());
  run(start != m_startActions.end() ? start->second : nullptr);
  const auto motion = m_motionActions.find(mode());
  m_motion = motion != m_motionActions.end() ? motion->second : nullptr;
}

void RubberBandingInteractorStyle3D::OnLeftButtonUp()
{
  if (mode() != DataViewInterface::Select)
  {
    if (!m_leftButtonDown)
      return;
    m_leftButtonDown = false;
    const auto end = m_endActions.find(mode());
    run(end != m_endActions.end() ? end->second : nullptr);
    ReleaseFocus();
    return;
  }
  if (StartPosition[0] == EndPosition[0] && StartPosition[1] == EndPosition[1])
  {
    StartPosition[0] -= clickMargin;
    StartPosition[1] -= clickMargin;
    EndPosition[0] += clickMargin;
    EndPosition[1] += clickMargin;
  }
  Superclass::OnLeftButtonUp();
  CurrentMode = orientMode;
}

void RubberBandingInteractorStyle3D::OnMouseMove()
{
  if (mode() == DataViewInterface::Select && !m_middleButtonDown)
  {
    Superclass::OnMouseMove();
    return;
  }
  if (!m_leftButtonDown && !m_middleButtonDown)
    return;
  const int* position = Interactor->GetEventPosition();
  FindPokedRenderer(position[0], position[1]);
  run(m_motion);
  InvokeEvent(vtkCommand::InteractionEvent, nullptr);
}

void RubberBandingInteractorStyle3D::OnMiddleButtonDown()
{
  const int* position = Interactor->GetEventPosition();
  FindPokedRenderer(position[0], position[1]);
  if (!CurrentRenderer)
    return;
  GrabFocus(EventCallbackCommand);
  m_middleButtonDown = true;
  m_motion = &vtkInteractorStyle::Pan;
  StartPan();
}

void RubberBandingInteractorStyle3D::OnMiddleButtonUp()
{
  if (!m_middleButtonDown)
    return;
  m_middleButtonDown = false;
  EndPan();
  ReleaseFocus();
}
