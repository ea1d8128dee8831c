#include "host/serialization/VectorSerializer.h"

#include <QDomDocument>
#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

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

// Written into a document, saved as text, parsed again: what a project file goes through.
std::string savedText(const SerializerInterface& serializer)
{
  QDomDocument document;
  document.appendChild(serializer.serialize(document));
  const QString xml = document.toString();
  QDomDocument reread;
  EXPECT_TRUE(reread.setContent(xml));
  return reread.documentElement().text().toStdString();
}

void readText(const SerializerInterface& serializer, const std::string& text)
{
  QDomDocument document;
  QDomElement element = document.createElement("List");
  element.appendChild(document.createTextNode(QString::fromStdString(text)));
  serializer.deserialize(element);
}

} // namespace

TEST(VectorSerializer, StringListsRoundTrip)
{
  const std::vector<StringList> cases = {
    {},
    { "" },
    { "", "" },
    { "plain", "two words" },
    { "a,b", ",", ",,", "trailing," },
    { "say \"hi\"", "\"", "\"\"", "\"a,b\"" },
    { "C:\\dir\\", "\\", "\\\\", "\\n", "\\\"" },
    { " padded ", "line\nbreak", "tab\there", "<&>" },
    { "mixed \\\"quoted, escaped\\\" text" },
  };
  for (const StringList& values : cases)
  {
    StringListHolder source{ values };
    StringListHolder target{ { "stale" } };
    readText(target.serializer(), savedText(source.serializer()));
    EXPECT_EQ(target.values, values) << savedText(source.serializer());
  }
}

TEST(VectorSerializer, StringTextForms)
{
  const std::vector<std::pair<StringList, std::string>> cases = {
    { {}, "" },
    { { "A", "B c" }, "A,B c" },
    { { "" }, "\"\"" },
    { { "a,b" }, "\"a,b\"" },
    { { "a\"b", "a\\b" }, "a\\\"b,a\\\\b" },
  };
  for (const auto& [values, text] : cases)
  {
    StringListHolder holder{ values };
    EXPECT_EQ(savedText(holder.serializer()), text);
  }

  StringListHolder holder;
  readText(holder.serializer(), "x, y ,\"q,r\",");
  EXPECT_EQ(holder.values, (StringList{ "x", " y ", "q,r", "" }));
}

TEST(VectorSerializer, AcceptDropsRejectedEntriesOnReading)
{
  StringListHolder holder;
  readText(holder.serializer([](const std::string& s) { return s != "Removed"; }),
    "Kept,Removed,Also kept");
  EXPECT_EQ(holder.values, (StringList{ "Kept", "Also kept" }));
}

TEST(VectorSerializer, NumbersUseLexicalCastAndRejectGarbage)
{
  std::vector<double> values{ 0.1, -2, 1e300 };
  VectorSerializer<double> serializer(
    "List", [&] { return values; }, [&](const std::vector<double>& v) { values = v; });
  EXPECT_EQ(savedText(serializer), "0.10000000000000001,-2,1.0000000000000001e+300");

  readText(serializer, "0.5,inf");
  EXPECT_EQ(values, (std::vector<double>{ 0.5, std::numeric_limits<double>::infinity() }));

  EXPECT_THROW(readText(serializer, "1,two"), boost::bad_lexical_cast);
  EXPECT_EQ(values.size(), 2u) << "a failed read must not call the setter";
}
