#include "analyzer/dataviews/serialize/vtkVnCameraSerializer.h"
#include "tests/analyzer/dataviews/serialize/XmlText.h"

#include <array>
#include <vtkCamera.h>
#include <vtkNew.h>

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

std::array<double, 3> point(const double* values)
{
  return { values[0], values[1], values[2] };
}

} // namespace

TEST(vtkVnCameraSerializer, WritesFieldsInOrderWithDoubleText)
{
  QDomDocument document;
  const QDomElement camera = vtkVnCameraSerializer(sampleCamera()).serialize(document);
  EXPECT_EQ(camera.tagName().toStdString(), "Camera");

  struct Expected
  {
    const char* element;
    std::vector<std::pair<QString, std::string>> attributes;
    std::string text;
  };
  const Expected expected[] = {
    { "ClippingRange", { { "NearPlane", "0.5" }, { "FarPlane", "100" } }, "" },
    { "FocalPoint", { { "X", "0.10000000000000001" }, { "Y", "0" }, { "Z", "0" } }, "" },
    { "ParallelScale", {}, "3.25" },
    { "Position", { { "X", "1" }, { "Y", "2" }, { "Z", "10" } }, "" },
    { "ViewUp", { { "X", "0" }, { "Y", "1" }, { "Z", "0" } }, "" },
  };
  QDomElement child = camera.firstChildElement();
  for (const Expected& field : expected)
  {
    ASSERT_FALSE(child.isNull()) << field.element;
    EXPECT_EQ(child.tagName().toStdString(), field.element);
    EXPECT_EQ(child.text().toStdString(), field.text);
    EXPECT_EQ(child.attributes().size(), static_cast<int>(field.attributes.size()));
    for (const auto& [name, value] : field.attributes)
      EXPECT_EQ(child.attribute(name).toStdString(), value) << field.element;
    child = child.nextSiblingElement();
  }
  EXPECT_TRUE(child.isNull());
}

TEST(vtkVnCameraSerializer, RestoresACameraAndKeepsFieldsNotGiven)
{
  QDomDocument document;
  document.appendChild(vtkVnCameraSerializer(sampleCamera()).serialize(document));
  auto restored = vtkSmartPointer<vtkCamera>::New();
  readXml(vtkVnCameraSerializer(restored), document.toString().toStdString());
  auto original = sampleCamera();
  EXPECT_EQ(point(restored->GetPosition()), point(original->GetPosition()));
  EXPECT_EQ(point(restored->GetFocalPoint()), point(original->GetFocalPoint()));
  EXPECT_EQ(point(restored->GetViewUp()), point(original->GetViewUp()));
  EXPECT_EQ(restored->GetParallelScale(), 3.25);
  EXPECT_EQ(restored->GetClippingRange()[0], 0.5);
  EXPECT_EQ(restored->GetClippingRange()[1], 100);

  readXml(vtkVnCameraSerializer(restored),
    "<Camera><ClippingRange NearPlane=\"2\"/><Position Z=\"20\"/></Camera>");
  EXPECT_EQ(restored->GetClippingRange()[0], 2);
  EXPECT_EQ(restored->GetClippingRange()[1], 100);
  EXPECT_EQ(point(restored->GetPosition()), (std::array<double, 3>{ 1, 2, 20 }));
  EXPECT_EQ(restored->GetParallelScale(), 3.25);
}
