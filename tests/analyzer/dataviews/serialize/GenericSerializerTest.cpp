#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "property/Property.h"
#include "tests/analyzer/dataviews/serialize/XmlText.h"

#include <boost/lexical_cast.hpp>
#include <boost/make_shared.hpp>
#include <cmath>
#include <limits>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

template<class T>
std::string written(const T& value)
{
  return GenericSerializer<T>("V", boost::make_shared<vantor::Property<T>>(value)).toString(value);
}

template<class T>
T read(const std::string& text)
{
  return GenericSerializer<T>("V", boost::make_shared<vantor::Property<T>>()).fromString(text);
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(GenericSerializer, WritesTheTextForms)
{
  EXPECT_EQ(written(0.1), "0.10000000000000001");
  EXPECT_EQ(written(1.0), "1");
  EXPECT_EQ(written(-2.5), "-2.5");
  EXPECT_EQ(written(1e300), "1.0000000000000001e+300");
  EXPECT_EQ(written(inf), "inf");
  EXPECT_EQ(written(-inf), "-inf");
  EXPECT_EQ(written(notANumber), "nan");
  EXPECT_EQ(written(-notANumber), "-nan");
  EXPECT_EQ(written(0.1f), "0.100000001");
  EXPECT_EQ(written(static_cast<float>(-inf)), "-inf");
  EXPECT_EQ(written(-7), "-7");
  EXPECT_EQ(written(std::numeric_limits<uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(written(true), "1");
  EXPECT_EQ(written(false), "0");
  EXPECT_EQ(written(std::string(" a, \"b\" ")), " a, \"b\" ");
}

TEST(GenericSerializer, ReadsNumbers)
{
  EXPECT_EQ(read<double>("0.10000000000000001"), 0.1);
  EXPECT_EQ(read<double>("0.1"), 0.1);
  EXPECT_EQ(read<float>("0.100000001"), 0.1f);
  for (const char* text : { "inf", "INF", "Infinity", "iNfInItY", "+inf" })
    EXPECT_EQ(read<double>(text), inf) << text;
  EXPECT_EQ(read<double>("-infinity"), -inf);
  EXPECT_EQ(read<float>("-Inf"), -std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(read<double>("nan")) && !std::signbit(read<double>("NaN")));
  EXPECT_TRUE(std::isnan(read<double>("-nan")) && std::signbit(read<double>("-nan")));

  EXPECT_EQ(read<int>("+3"), 3);
  EXPECT_EQ(read<int>("-2147483648"), std::numeric_limits<int>::min());
  EXPECT_EQ(read<uint64_t>("-1"), 18446744073709551615u);
  EXPECT_EQ(read<uint64_t>("+5"), 5u);
  EXPECT_EQ(read<uint64_t>("18446744073709551615"), std::numeric_limits<uint64_t>::max());

  for (const char* text : { "", "1x", " 1", "--1", "3.0", "2147483648" })
    EXPECT_THROW(read<int>(text), boost::bad_lexical_cast) << text;
  for (const char* text : { "18446744073709551616", "-18446744073709551616", "0x10" })
    EXPECT_THROW(read<uint64_t>(text), boost::bad_lexical_cast) << text;
  for (const char* text : { "", "infinit", "1e400", "0,5" })
    EXPECT_THROW(read<double>(text), boost::bad_lexical_cast) << text;
}

TEST(GenericSerializer, ReadsBooleans)
{
  const std::pair<const char*, bool> accepted[] = { { "1", true },
    { "0", false },
    { "+1", true },
    { "+0", false },
    { "-0", false },
    { "00001", true },
    { "000", false } };
  for (const auto& [text, value] : accepted)
    EXPECT_EQ(read<bool>(text), value) << text;
  for (const char* text : { "", "-1", "2", "10", "true", "false", " 1", "1 ", "+-0" })
    EXPECT_THROW(read<bool>(text), boost::bad_lexical_cast) << text;
}

TEST(GenericSerializer, OneValueElementReadsThroughTheProperty)
{
  auto minimum = boost::make_shared<vantor::Property<double>>(0.1);
  GenericSerializer<double> serializer("Minimum", minimum);
  EXPECT_EQ(xmlText(serializer), "<Minimum>0.10000000000000001</Minimum>");

  std::vector<double> announced;
  minimum->signalValueChanged.connect([&](const double& v) { announced.push_back(v); });
  readXml(serializer, "<Minimum>0.10000000000000001</Minimum>");
  EXPECT_TRUE(announced.empty()) << "an equal value is not a change";

  readXml(serializer, "<Minimum>-inf</Minimum>");
  EXPECT_EQ(announced, std::vector<double>{ -inf });

  EXPECT_THROW(readXml(serializer, "<Minimum>low</Minimum>"), boost::bad_lexical_cast);
  EXPECT_THROW(readXml(serializer, "<Minimum/>"), boost::bad_lexical_cast);
  EXPECT_EQ(minimum->value(), -inf);
  EXPECT_EQ(announced.size(), 1u);
}

TEST(GenericSerializer, StringElementKeepsItsTextAsIs)
{
  auto text = boost::make_shared<vantor::Property<std::string>>("a < b & \"c\"");
  GenericSerializer<std::string> serializer("Label", text);
  EXPECT_EQ(xmlText(serializer), "<Label>a &lt; b &amp; \"c\"</Label>");
  readXml(serializer, "<Label/>");
  EXPECT_EQ(text->value(), "");
}

TEST(GenericSerializer, AttributesMissingOrEmptyKeepTheCurrentValues)
{
  double x = 1, y = 2, z = 3;
  int setterCalls = 0;
  GenericSerializer<double> serializer("Point",
    { "X", "Y", "Z" },
    GenericSerializer<double>::Getter3(
      [&](double& a, double& b, double& c)
      {
        a = x;
        b = y;
        c = z;
      }),
    GenericSerializer<double>::Setter3(
      [&](double a, double b, double c)
      {
        ++setterCalls;
        x = a;
        y = b;
        z = c;
      }));

  readXml(serializer, "<Point Y=\"0.5\" Z=\"\"/>");
  EXPECT_EQ(std::vector<double>({ x, y, z }), std::vector<double>({ 1, 0.5, 3 }));

  EXPECT_THROW(readXml(serializer, "<Point X=\"9\" Y=\"?\"/>"), boost::bad_lexical_cast);
  EXPECT_EQ(x, 1) << "nothing is set when one attribute is unreadable";
  EXPECT_EQ(setterCalls, 1);

  QDomDocument document;
  const QDomElement element = serializer.serialize(document);
  EXPECT_EQ(element.attributes().size(), 3);
  EXPECT_EQ(element.attribute("X").toStdString(), "1");
  EXPECT_EQ(element.attribute("Y").toStdString(), "0.5");
  EXPECT_EQ(element.attribute("Z").toStdString(), "3");
  EXPECT_FALSE(element.hasChildNodes());
}

TEST(GenericSerializer, AttributeNamesMustMatchTheArity)
{
  GenericSerializer<int>::Getter2 get = [](int&, int&) {};
  GenericSerializer<int>::Setter2 set = [](int, int) {};
  EXPECT_THROW(GenericSerializer<int>("Pair", { "A" }, get, set), std::invalid_argument);
}
