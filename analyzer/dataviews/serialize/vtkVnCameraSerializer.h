#pragma once

#include "host/serialization/Serializer.h"

#include <vtkSmartPointer.h>

class vtkCamera;

/// The view of a camera: "Camera" with "ClippingRange" (NearPlane, FarPlane), "FocalPoint",
/// "ParallelScale", "Position" and "ViewUp" (X, Y, Z). Reading changes only the fields present.
class vtkVnCameraSerializer : public Serializer
{
public:
  explicit vtkVnCameraSerializer(vtkSmartPointer<vtkCamera> camera);

private:
  void addClippingRange();
  void addPoint(const std::string& name,
    void (vtkCamera::*get)(double&, double&, double&),
    void (vtkCamera::*set)(double, double, double));
  void addParallelScale();

  vtkSmartPointer<vtkCamera> m_camera;
};
