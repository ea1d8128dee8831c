#include "host/serialization/QColorSerializer.h"
#include "property/Property.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/lexical_cast.hpp>
#include <boost/make_shared.hpp>
#include <stdexcept>

using testsupport::readXml;

TEST(QColorSerializer, WritesAllFourChannelsAndReadsThosePresent)
{
  auto color = boost::make_shared<vantor::Property<QColor>>(QColor(10, 20, 30, 40));
  QColorSerializer serializer("Color", color);
  QDomDocument document;
  const QDomElement element = serializer.serialize(document);
  EXPECT_EQ(element.attributes().size(), 4);
  for (const auto& [name, value] : { std::pair{ "Red", "10" },
         std::pair{ "Green", "20" },
         std::pair{ "Blue", "30" },
         std::pair{ "Alpha", "40" } })
    EXPECT_EQ(element.attribute(name).toStdString(), value) << name;

  int changes = 0;
  color->signalValueChanged.connect([&](const QColor&) { ++changes; });
  readXml(serializer, "<Color Red=\"10\" Green=\"20\" Blue=\"30\" Alpha=\"40\"/>");
  EXPECT_EQ(changes, 0);
  readXml(serializer, "<Color Red=\"255\" Blue=\"\" Alpha=\"0\"/>");
  EXPECT_EQ(color->value(), QColor(255, 20, 30, 0));
  EXPECT_EQ(changes, 1);

  EXPECT_THROW(readXml(serializer, "<Color Red=\"9\" Green=\"256\"/>"), std::out_of_range);
  EXPECT_THROW(readXml(serializer, "<Color Blue=\"blue\"/>"), boost::bad_lexical_cast);
  EXPECT_EQ(color->value(), QColor(255, 20, 30, 0));
}
