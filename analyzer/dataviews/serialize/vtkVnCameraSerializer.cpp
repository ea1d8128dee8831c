#include "analyzer/dataviews/serialize/vtkVnCameraSerializer.h"

#include "analyzer/dataviews/serialize/GenericSerializer.h"

#include <boost/make_shared.hpp>
#include <vtkCamera.h>

namespace
{
using DoubleSerializer = GenericSerializer<double>;
}

vtkVnCameraSerializer::vtkVnCameraSerializer(vtkSmartPointer<vtkCamera> camera)
  : Serializer("Camera")
  , m_camera(std::move(camera))
{
  addClippingRange();
  addPoint("FocalPoint", &vtkCamera::GetFocalPoint, &vtkCamera::SetFocalPoint);
  addParallelScale();
  addPoint("Position", &vtkCamera::GetPosition, &vtkCamera::SetPosition);
  addPoint("ViewUp", &vtkCamera::GetViewUp, &vtkCamera::SetViewUp);
}

void vtkVnCameraSerializer::addClippingRange()
{
  vtkCamera* camera = m_camera;
  DoubleSerializer::Getter2 get = [camera](double& nearPlane, double& farPlane)
  { camera->GetClippingRange(nearPlane, farPlane); };
  DoubleSerializer::Setter2 set = [camera](double nearPlane, double farPlane)
  { camera->SetClippingRange(nearPlane, farPlane); };
  addSubElement(boost::make_shared<DoubleSerializer>(
    "ClippingRange", std::vector<std::string>{ "NearPlane", "FarPlane" }, get, set));
}

void vtkVnCameraSerializer::addPoint(const std::string& name,
  void (vtkCamera::*get)(double&, double&, double&),
  void (vtkCamera::*set)(double, double, double))
{
  vtkCamera* camera = m_camera;
  DoubleSerializer::Getter3 getter = [camera, get](double& x, double& y, double& z)
  { (camera->*get)(x, y, z); };
  DoubleSerializer::Setter3 setter = [camera, set](double x, double y, double z)
  { (camera->*set)(x, y, z); };
  addSubElement(boost::make_shared<DoubleSerializer>(
    name, std::vector<std::string>{ "X", "Y", "Z" }, getter, setter));
}

void vtkVnCameraSerializer::addParallelScale()
{
  vtkCamera* camera = m_camera;
  addSubElement(boost::make_shared<DoubleSerializer>("ParallelScale",
    DoubleSerializer::Getter1([camera] { return camera->GetParallelScale(); }),
    DoubleSerializer::Setter1([camera](double scale) { camera->SetParallelScale(scale); })));
}
