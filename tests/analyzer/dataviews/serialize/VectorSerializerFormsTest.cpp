#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "tests/analyzer/dataviews/serialize/XmlText.h"

#include <boost/lexical_cast.hpp>
#include <limits>
#include <vector>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

template<class T>
struct ListHolder
{
  std::vector<T> values;
  VectorSerializer<T> serializer()
  {
    return VectorSerializer<T>(
      "List", [this] { return values; }, [this](const std::vector<T>& v) { values = v; });
  }
};

} // namespace

TEST(VectorSerializer, FloatListForms)
{
  ListHolder<float> point{ { 0.1f, -2.0f, std::numeric_limits<float>::infinity() } };
  EXPECT_EQ(xmlText(point.serializer()), "<List>0.100000001,-2,inf</List>");

  readXml(point.serializer(), "<List>0.25,1e3</List>");
  EXPECT_EQ(point.values, (std::vector<float>{ 0.25f, 1000.0f }));
  readXml(point.serializer(), "<List/>");
  EXPECT_TRUE(point.values.empty());
  EXPECT_THROW(readXml(point.serializer(), "<List>1, 2</List>"), boost::bad_lexical_cast);
}

TEST(VectorSerializer, CaseIdListForms)
{
  ListHolder<uint64_t> ids{ { 0, 42, std::numeric_limits<uint64_t>::max() } };
  EXPECT_EQ(xmlText(ids.serializer()), "<List>0,42,18446744073709551615</List>");

  readXml(ids.serializer(), "<List>-1,+7</List>");
  EXPECT_EQ(ids.values, (std::vector<uint64_t>{ 18446744073709551615u, 7 }));
  EXPECT_THROW(readXml(ids.serializer(), "<List>1,,2</List>"), boost::bad_lexical_cast);
}

TEST(VectorSerializer, StringListsWithSyntaxCharactersRoundTripThroughADocument)
{
  const std::vector<std::string> names{
    "Mass, kg", "\"quoted\"", "back\\slash", "", "a\\,b", "plain"
  };
  ListHolder<std::string> source{ names };
  ListHolder<std::string> target;
  readXml(target.serializer(), xmlText(source.serializer()));
  EXPECT_EQ(target.values, names);
  EXPECT_EQ(xmlText(source.serializer()),
    "<List>\"Mass, kg\",\\\"quoted\\\",back\\\\slash,\"\",\"a\\\\,b\",plain</List>");
}
