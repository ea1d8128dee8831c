#include "analyzer/dataviews/serialize/EnumSerializer.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "property/Property.h"
#include "tests/analyzer/dataviews/serialize/XmlText.h"

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

TEST(EnumSerializer, WritesAndReadsNames)
{
  auto shape = boost::make_shared<vantor::Property<Shape>>(ScatterPlot3DInterface::Cube);
  EnumSerializer<Shape> serializer("Shape", shape, shapeNames());
  EXPECT_EQ(xmlText(serializer), "<Shape>Cube</Shape>");

  int changes = 0;
  shape->signalValueChanged.connect([&](const Shape&) { ++changes; });
  readXml(serializer, "<Shape>Cube</Shape>");
  EXPECT_EQ(changes, 0);
  readXml(serializer, "<Shape>Sphere</Shape>");
  EXPECT_EQ(shape->value(), ScatterPlot3DInterface::Sphere);
  EXPECT_EQ(changes, 1);
}

TEST(EnumSerializer, UnknownNamesAndValuesThrowOutOfRange)
{
  auto shape = boost::make_shared<vantor::Property<Shape>>(ScatterPlot3DInterface::Sphere);
  EnumSerializer<Shape> serializer("Shape", shape, shapeNames());
  for (const char* xml : { "<Shape>Cone</Shape>", "<Shape>cube</Shape>", "<Shape>1</Shape>" })
    EXPECT_THROW(readXml(serializer, xml), std::out_of_range) << xml;
  EXPECT_EQ(shape->value(), ScatterPlot3DInterface::Sphere);

  try
  {
    readXml(serializer, "<Shape>Cone</Shape>");
  }
  catch (const std::out_of_range& error)
  {
    EXPECT_STREQ(error.what(), "Shape: \"Cone\" is not a known name");
  }

  shape->setValue(static_cast<Shape>(7));
  EXPECT_THROW(xmlText(serializer), std::out_of_range);
}
