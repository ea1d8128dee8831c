#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "property/Property.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/lexical_cast.hpp>
#include <boost/make_shared.hpp>
#include <cmath>
#include <limits>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

template<class T>
GenericSerializer<T> serializerOf(const T& value)
{
  return GenericSerializer<T>("V", boost::make_shared<vantor::Property<T>>(value));
}

template<class T>
T read(const std::string& text)
{
  return serializerOf(T()).fromString(text);
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(GenericSerializer, WritesAndReadsTheTextForms)
{
  EXPECT_EQ(xmlText(serializerOf(0.1)), "<V>0.10000000000000001</V>");
  const std::pair<std::string, std::string> cases[] = {
    { serializerOf(1.0).toString(1.0), "1" },
    { serializerOf(1e300).toString(1e300), "1.0000000000000001e+300" },
    { serializerOf(inf).toString(-inf), "-inf" },
    { serializerOf(inf).toString(inf), "inf" },
    { serializerOf(inf).toString(notANumber), "nan" },
    { serializerOf(inf).toString(-notANumber), "-nan" },
    { serializerOf(0.1f).toString(0.1f), "0.100000001" },
    { serializerOf(-7).toString(-7), "-7" },
    { serializerOf(uint64_t()).toString(std::numeric_limits<uint64_t>::max()),
      "18446744073709551615" },
    { serializerOf(true).toString(true), "1" },
    { serializerOf(true).toString(false), "0" },
    { serializerOf(std::string()).toString(" a, \"b\" "), " a, \"b\" " },
  };
  for (const auto& [written, expected] : cases)
    EXPECT_EQ(written, expected);

  EXPECT_EQ(read<double>("0.10000000000000001"), 0.1);
  EXPECT_EQ(read<float>("0.100000001"), 0.1f);
  for (const char* text : { "inf", "INF", "Infinity", "iNfInItY", "+inf" })
    EXPECT_EQ(read<double>(text), inf) << text;
  EXPECT_EQ(read<float>("-Infinity"), -std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(read<double>("NaN")) && !std::signbit(read<double>("nan")));
  EXPECT_TRUE(std::isnan(read<double>("-nan")) && std::signbit(read<double>("-nan")));
  EXPECT_EQ(read<int>("+3"), 3);
  EXPECT_EQ(read<int>("-2147483648"), std::numeric_limits<int>::min());
  EXPECT_EQ(read<uint64_t>("-1"), 18446744073709551615u);
  EXPECT_EQ(read<uint64_t>("+5"), 5u);

  const std::pair<const char*, bool> booleans[] = { { "1", true },
    { "0", false },
    { "+1", true },
    { "+0", false },
    { "-0", false },
    { "00001", true },
    { "000", false } };
  for (const auto& [text, value] : booleans)
    EXPECT_EQ(read<bool>(text), value) << text;

  for (const char* text : { "", "-1", "2", "10", "true", " 1", "1 ", "+-0" })
    EXPECT_THROW(read<bool>(text), boost::bad_lexical_cast) << text;
  for (const char* text : { "", "1x", "--1", "3.0", "2147483648" })
    EXPECT_THROW(read<int>(text), boost::bad_lexical_cast) << text;
  for (const char* text : { "18446744073709551616", "-18446744073709551616", "0x10" })
    EXPECT_THROW(read<uint64_t>(text), boost::bad_lexical_cast) << text;
  for (const char* text : { "", "infinit", "1e400", "0,5" })
    EXPECT_THROW(read<double>(text), boost::bad_lexical_cast) << text;
}

TEST(GenericSerializer, OneValueElementReadsThroughTheProperty)
{
  auto minimum = boost::make_shared<vantor::Property<double>>(0.1);
  GenericSerializer<double> serializer("Minimum", minimum);
  std::vector<double> announced;
  minimum->signalValueChanged.connect([&](const double& v) { announced.push_back(v); });

  readXml(serializer, "<Minimum>0.10000000000000001</Minimum>");
  EXPECT_TRUE(announced.empty()) << "an equal value is not a change";
  readXml(serializer, "<Minimum>-inf</Minimum>");
  EXPECT_THROW(readXml(serializer, "<Minimum>low</Minimum>"), boost::bad_lexical_cast);
  EXPECT_THROW(readXml(serializer, "<Minimum/>"), boost::bad_lexical_cast);
  EXPECT_EQ(announced, std::vector<double>{ -inf });
}

TEST(GenericSerializer, AttributesMissingOrEmptyKeepTheCurrentValues)
{
  std::array<double, 3> point{ 1, 2, 3 };
  int setterCalls = 0;
  GenericSerializer<double> serializer("Point",
    { "X", "Y", "Z" },
    GenericSerializer<double>::Getter3([&](double& x, double& y, double& z)
      { std::tie(x, y, z) = std::tie(point[0], point[1], point[2]); }),
    GenericSerializer<double>::Setter3(
      [&](double x, double y, double z)
      {
        ++setterCalls;
        point = { x, y, z };
      }));

  QDomDocument document;
  const QDomElement element = serializer.serialize(document);
  EXPECT_EQ(element.attributes().size(), 3);
  EXPECT_EQ(element.attribute("Z").toStdString(), "3");
  EXPECT_FALSE(element.hasChildNodes());

  readXml(serializer, "<Point Y=\"0.5\" Z=\"\"/>");
  EXPECT_EQ(point, (std::array<double, 3>{ 1, 0.5, 3 }));
  EXPECT_THROW(readXml(serializer, "<Point X=\"9\" Y=\"?\"/>"), boost::bad_lexical_cast);
  EXPECT_EQ(point[0], 1) << "nothing is set when one attribute is unreadable";
  EXPECT_EQ(setterCalls, 1);

  GenericSerializer<int>::Getter2 get = [](int&, int&) {};
  GenericSerializer<int>::Setter2 set = [](int, int) {};
  EXPECT_THROW(GenericSerializer<int>("Pair", { "A" }, get, set), std::invalid_argument);
}
