#include "analyzer/dataviews/scatter3d/SphericalRotationInteractorStyle3D.h"

#include <cmath>
#include <vtkCallbackCommand.h>
#include <vtkCamera.h>
#include <vtkObjectFactory.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>

vtkStandardNewMacro(SphericalRotationInteractorStyle3D);

void SphericalRotationInteractorStyle3D::OnMouseWheelForward()
{
  wheel(0.2);
}

void SphericalRotationInteractorStyle3D::OnMouseWheelBackward()
{
  wheel(-0.2);
}

void SphericalRotationInteractorStyle3D::wheel(double direction)
{
  const int* position = Interactor->GetEventPosition();
  FindPokedRenderer(position[0], position[1]);
  if (!CurrentRenderer)
    return;
  GrabFocus(EventCallbackCommand);
  StartDolly();
  const double factor = MotionFactor * direction * MouseWheelMotionFactor;
  dolly(std::pow(1.1, factor));
  EndDolly();
  ReleaseFocus();
}

void SphericalRotationInteractorStyle3D::dolly(double factor)
{
  if (!CurrentRenderer)
    return;
  vtkCamera* camera = CurrentRenderer->GetActiveCamera();
  if (camera->GetParallelProjection())
    camera->SetParallelScale(camera->GetParallelScale() / factor);
  else
  {
    camera->Dolly(factor);
    if (AutoAdjustCameraClippingRange)
      CurrentRenderer->ResetCameraClippingRange();
  }
  if (Interactor->GetLightFollowCamera())
    CurrentRenderer->UpdateLightsGeometryToFollowCamera();
  Interactor->Render();
}
