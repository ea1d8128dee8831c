#include "host/serialization/VectorSerializer.h"
#include "tests/host/serialization/XmlText.h"

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

using StringList = std::vector<std::string>;

struct StringListHolder
{
  StringList values;

  VectorSerializer<std::string> serializer(boost::function<bool(const std::string&)> accept = {})
  {
    return VectorSerializer<std::string>(
      "List", [this] { return values; }, [this](const StringList& v) { values = v; }, accept);
  }
};

} // namespace

TEST(VectorSerializer, StringListsRoundTripThroughADocumentInTheirTextForms)
{
  const std::vector<StringList> cases = {
    {},
    { "" },
    { "", "" },
    { "a,b", ",", "trailing,", "Mass, kg" },
    { "say \"hi\"", "\"", "\"a,b\"" },
    { "C:\\dir\\", "\\", "\\n", "\\\"", "a\\,b" },
    { " padded ", "line\nbreak", "<&>" },
  };
  for (const StringList& values : cases)
  {
    StringListHolder source{ values };
    StringListHolder target{ { "stale" } };
    const std::string xml = xmlText(source.serializer());
    readXml(target.serializer(), xml);
    EXPECT_EQ(target.values, values) << xml;
  }

  // The text forms.
  const std::pair<StringList, std::string> forms[] = {
    { {}, "<List></List>" },
    { { "A", "B c" }, "<List>A,B c</List>" },
    { { "" }, "<List>\"\"</List>" },
    { { "a,b" }, "<List>\"a,b\"</List>" },
    { { "a\"b", "a\\b" }, "<List>a\\\"b,a\\\\b</List>" },
  };
  for (const auto& [values, xml] : forms)
    EXPECT_EQ(xmlText(StringListHolder{ values }.serializer()), xml);

  StringListHolder holder;
  readXml(holder.serializer(), "<List>x, y ,\"q,r\",</List>");
  EXPECT_EQ(holder.values, (StringList{ "x", " y ", "q,r", "" }));

  readXml(holder.serializer([](const std::string& s) { return s != "Removed"; }),
    "<List>Kept,Removed,Also kept</List>");
  EXPECT_EQ(holder.values, (StringList{ "Kept", "Also kept" }));
}
