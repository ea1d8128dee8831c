#pragma once

#include <vtkInteractorStyleTerrain.h>

/// The mouse in rotate mode: rotation about the focal point keeping the z axis up, middle
/// button pan, right button zoom, and a wheel that dollies by 1.1 to the power of the motion.
class SphericalRotationInteractorStyle3D : public vtkInteractorStyleTerrain
{
public:
  vtkTypeMacro(SphericalRotationInteractorStyle3D, vtkInteractorStyleTerrain);
  static SphericalRotationInteractorStyle3D* New();

  void OnMouseWheelForward() override;
  void OnMouseWheelBackward() override;

  /// Moves the camera towards the focal point by the factor (away for a factor below 1).
  void dolly(double factor);

protected:
  SphericalRotationInteractorStyle3D() = default;
  ~SphericalRotationInteractorStyle3D() override = default;

private:
  void wheel(double direction);

  SphericalRotationInteractorStyle3D(const SphericalRotationInteractorStyle3D&) = delete;
  void operator=(const SphericalRotationInteractorStyle3D&) = delete;
};
