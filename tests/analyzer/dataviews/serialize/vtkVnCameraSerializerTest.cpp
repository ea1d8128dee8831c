#include "analyzer/dataviews/serialize/vtkVnCameraSerializer.h"
#include "tests/host/serialization/XmlText.h"

#include <vtkCamera.h>

using testsupport::readXml;

namespace
{

vtkSmartPointer<vtkCamera> sampleCamera()
{
  auto camera = vtkSmartPointer<vtkCamera>::New();
  camera->SetPosition(1, 2, 10);
  camera->SetFocalPoint(0.1, 0, 0);
  camera->SetViewUp(0, 1, 0);
  camera->SetClippingRange(0.5, 100);
  camera->SetParallelScale(3.25);
  return camera;
}

// One line per child: its name, then its text or its attributes in the given order.
std::vector<std::string> fields(const QDomElement& camera, const std::vector<QString>& names)
{
  std::vector<std::string> lines;
  for (QDomElement child = camera.firstChildElement(); !child.isNull();
       child = child.nextSiblingElement())
  {
    std::string line = child.tagName().toStdString() + " " + child.text().toStdString();
    for (const QString& name : names)
      if (child.hasAttribute(name))
        line += (name + "=" + child.attribute(name) + " ").toStdString();
    lines.push_back(line);
  }
  return lines;
}

} // namespace

TEST(vtkVnCameraSerializer, WritesFieldsInOrderAndRestoresThoseGiven)
{
  QDomDocument document;
  document.appendChild(vtkVnCameraSerializer(sampleCamera()).serialize(document));
  const std::vector<QString> names{ "NearPlane", "FarPlane", "X", "Y", "Z" };
  const std::vector<std::string> written = fields(document.documentElement(), names);
  EXPECT_EQ(written,
    (std::vector<std::string>{ "ClippingRange NearPlane=0.5 FarPlane=100 ",
      "FocalPoint X=0.10000000000000001 Y=0 Z=0 ",
      "ParallelScale 3.25",
      "Position X=1 Y=2 Z=10 ",
      "ViewUp X=0 Y=1 Z=0 " }));

  auto restored = vtkSmartPointer<vtkCamera>::New();
  readXml(vtkVnCameraSerializer(restored), document.toString().toStdString());
  EXPECT_EQ(fields(vtkVnCameraSerializer(restored).serialize(document), names), written);

  readXml(vtkVnCameraSerializer(restored),
    "<Camera><ClippingRange NearPlane=\"2\"/><Position Z=\"20\"/></Camera>");
  EXPECT_EQ(restored->GetClippingRange()[0], 2);
  EXPECT_EQ(restored->GetClippingRange()[1], 100);
  EXPECT_EQ(restored->GetPosition()[1], 2);
  EXPECT_EQ(restored->GetPosition()[2], 20);
  EXPECT_EQ(restored->GetParallelScale(), 3.25);
}
