#include "host/serialization/QColorSerializer.h"
#include "property/Property.h"

#include <QDomDocument>
#include <boost/lexical_cast.hpp>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <stdexcept>

namespace
{

QDomElement element(QDomDocument& document, const QString& xml)
{
  EXPECT_TRUE(document.setContent(xml)) << xml.toStdString();
  return document.documentElement();
}

} // namespace

TEST(QColorSerializer, WritesAllFourChannels)
{
  auto color = boost::make_shared<vantor::Property<QColor>>(QColor(10, 20, 30, 40));
  QDomDocument document;
  const QDomElement element = QColorSerializer("Color", color).serialize(document);
  EXPECT_EQ(element.tagName().toStdString(), "Color");
  EXPECT_EQ(element.attributes().size(), 4);
  const std::pair<QString, std::string> expected[] = {
    { "Red", "10" }, { "Green", "20" }, { "Blue", "30" }, { "Alpha", "40" }
  };
  for (const auto& [name, value] : expected)
    EXPECT_EQ(element.attribute(name).toStdString(), value) << name.toStdString();
}

TEST(QColorSerializer, ReadsChannelsAndKeepsMissingOnes)
{
  auto color = boost::make_shared<vantor::Property<QColor>>(QColor(10, 20, 30, 40));
  QColorSerializer serializer("Color", color);
  int changes = 0;
  color->signalValueChanged.connect([&](const QColor&) { ++changes; });

  QDomDocument document;
  QDomElement same = element(document, "<Color Red=\"10\" Green=\"20\" Blue=\"30\" Alpha=\"40\"/>");
  serializer.deserialize(same);
  EXPECT_EQ(changes, 0);

  QDomElement partial = element(document, "<Color Red=\"255\" Blue=\"\" Alpha=\"0\"/>");
  serializer.deserialize(partial);
  EXPECT_EQ(color->value(), QColor(255, 20, 30, 0));
  EXPECT_EQ(changes, 1);
}

TEST(QColorSerializer, RejectsBadChannelsWithoutChangingTheColour)
{
  auto color = boost::make_shared<vantor::Property<QColor>>(QColor(1, 2, 3));
  QColorSerializer serializer("Color", color);
  QDomDocument document;
  QDomElement tooLarge = element(document, "<Color Red=\"9\" Green=\"256\"/>");
  EXPECT_THROW(serializer.deserialize(tooLarge), std::out_of_range);
  QDomElement notNumber = element(document, "<Color Blue=\"blue\"/>");
  EXPECT_THROW(serializer.deserialize(notNumber), boost::bad_lexical_cast);
  EXPECT_EQ(color->value(), QColor(1, 2, 3));
}
