#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/lexical_cast.hpp>
#include <limits>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

template<class T>
VectorSerializer<T> listOf(std::vector<T>& values)
{
  return VectorSerializer<T>(
    "List", [&values] { return values; }, [&values](const std::vector<T>& v) { values = v; });
}

} // namespace

TEST(VectorSerializer, NumberListForms)
{
  std::vector<float> point{ 0.1f, -2.0f, std::numeric_limits<float>::infinity() };
  EXPECT_EQ(xmlText(listOf(point)), "<List>0.100000001,-2,inf</List>");
  readXml(listOf(point), "<List>0.25,1e3</List>");
  EXPECT_EQ(point, (std::vector<float>{ 0.25f, 1000.0f }));
  readXml(listOf(point), "<List/>");
  EXPECT_TRUE(point.empty());
  EXPECT_THROW(readXml(listOf(point), "<List>1, 2</List>"), boost::bad_lexical_cast);

  std::vector<uint64_t> ids{ 0, std::numeric_limits<uint64_t>::max() };
  EXPECT_EQ(xmlText(listOf(ids)), "<List>0,18446744073709551615</List>");
  readXml(listOf(ids), "<List>-1,+7</List>");
  EXPECT_EQ(ids, (std::vector<uint64_t>{ 18446744073709551615u, 7 }));
  EXPECT_THROW(readXml(listOf(ids), "<List>1,,2</List>"), boost::bad_lexical_cast);
}
