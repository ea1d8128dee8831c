#include "analyzer/dataviews/serialize/EnumSerializer.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "property/Property.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/make_shared.hpp>
#include <stdexcept>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

using Shape = ScatterPlot3DInterface::Shape;

NamedValueTranslator<Shape> shapeNames()
{
  return NamedValueTranslator<Shape>()
    .add("Sphere", ScatterPlot3DInterface::Sphere)
    .add("Cube", ScatterPlot3DInterface::Cube);
}

} // namespace

TEST(EnumSerializer, WritesAndReadsNamesAndRejectsUnknownOnes)
{
  auto shape = boost::make_shared<vantor::Property<Shape>>(ScatterPlot3DInterface::Cube);
  EnumSerializer<Shape> serializer("Shape", shape, shapeNames());
  EXPECT_EQ(xmlText(serializer), "<Shape>Cube</Shape>");

  int changes = 0;
  shape->signalValueChanged.connect([&](const Shape&) { ++changes; });
  readXml(serializer, "<Shape>Cube</Shape>");
  readXml(serializer, "<Shape>Sphere</Shape>");
  EXPECT_EQ(changes, 1);

  for (const char* xml : { "<Shape>Cone</Shape>", "<Shape>cube</Shape>", "<Shape>1</Shape>" })
    EXPECT_THROW(readXml(serializer, xml), std::out_of_range) << xml;
  EXPECT_EQ(shape->value(), ScatterPlot3DInterface::Sphere);

  EnumSerializer<Shape> sphereOnly(
    "Shape", shape, NamedValueTranslator<Shape>().add("Sphere", ScatterPlot3DInterface::Sphere));
  shape->setValue(ScatterPlot3DInterface::Cube);
  EXPECT_THROW(xmlText(sphereOnly), std::out_of_range) << "a value without a name";
}
