#include "host/surrogate/SurrogateModelUserDistCollectionSerializer.h"
#include "property/Property.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/lexical_cast.hpp>
#include <stdexcept>

using CollectionProperty = vantor::Property<SurrogateModelUserDistCollection>;

TEST(SurrogateModelUserDistCollectionSerializerTest,
  WritesAndReadsModesAndExactPointsAndKeepsThemOnErrors)
{
  auto property = boost::make_shared<CollectionProperty>();
  SurrogateModelUserDistCollection collection;
  collection.setDistribution("Load", 1, { 0.1, 1e-300, -2.5, 1.0 / 3.0 });
  collection.setDistribution("Thickness, mm", 0, {});
  property->setValue(collection);
  SurrogateModelUserDistCollectionSerializer serializer(property);
  const std::string xml = testsupport::xmlText(serializer);
  QDomDocument document;
  ASSERT_TRUE(document.setContent(QString::fromStdString(xml)));
  const QDomElement root = document.documentElement();
  EXPECT_EQ(root.tagName(), "SurrogateModelUserDistCollection");
  const QDomElement load = root.firstChildElement("Distribution");
  EXPECT_EQ(load.attribute("Variable"), "Load");
  EXPECT_EQ(load.attribute("Mode"), "1");
  EXPECT_EQ(load.text(), "0.1 1e-300 -2.5 0.3333333333333333");
  const QDomElement thickness = load.nextSiblingElement("Distribution");
  EXPECT_EQ(thickness.attribute("Variable"), "Thickness, mm");
  EXPECT_EQ(thickness.attribute("Mode"), "0");
  EXPECT_TRUE(thickness.text().isEmpty());

  auto restored = boost::make_shared<CollectionProperty>();
  SurrogateModelUserDistCollectionSerializer reader(restored);
  testsupport::readXml(reader, xml);
  EXPECT_EQ(restored->value(), collection);
  EXPECT_EQ(restored->value().getUserDistributionPoints("Load")[3], 1.0 / 3.0);

  // Reading replaces the collection: variables not in the document lose their entry.
  testsupport::readXml(reader, "<SurrogateModelUserDistCollection/>");
  EXPECT_TRUE(restored->value().distributions().empty());
  EXPECT_EQ(restored->value().getMode("Load"), 0);

  // Unreadable values throw and keep the collection.
  const auto read = [&](const std::string& distribution)
  {
    testsupport::readXml(serializer,
      "<SurrogateModelUserDistCollection>" + distribution + "</SurrogateModelUserDistCollection>");
  };
  EXPECT_THROW(read("<Distribution Variable=\"Load\" Mode=\"1\">1 two</Distribution>"),
    boost::bad_lexical_cast);
  EXPECT_THROW(
    read("<Distribution Variable=\"Load\" Mode=\"1\">1e999</Distribution>"), std::out_of_range);
  EXPECT_THROW(
    read("<Distribution Variable=\"Load\" Mode=\"2\">1</Distribution>"), std::out_of_range);
  EXPECT_THROW(read("<Distribution Variable=\"Load\">1</Distribution>"), boost::bad_lexical_cast);
  EXPECT_EQ(property->value(), collection);
}
