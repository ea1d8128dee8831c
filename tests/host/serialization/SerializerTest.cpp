#include "host/serialization/NullSerializer.h"

#include <QDomDocument>
#include <QDomElement>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// Writes its text and records what it reads.
class TextSerializer : public Serializer
{
public:
  TextSerializer(const std::string& name, QString text)
    : Serializer(name)
    , m_text(std::move(text))
  {
  }

  mutable std::vector<std::string> read;

private:
  void serializeSelf(QDomElement& element) const override
  {
    element.appendChild(element.ownerDocument().createTextNode(m_text));
  }
  void deserializeSelf(QDomElement& element) const override
  {
    read.push_back(element.text().toStdString());
  }

  QString m_text;
};

std::string written(const SerializerInterface& serializer)
{
  QDomDocument document;
  document.appendChild(serializer.serialize(document));
  return document.toString(-1).trimmed().toStdString();
}

QDomElement parsed(QDomDocument& document, const QString& xml)
{
  EXPECT_TRUE(document.setContent(xml)) << xml.toStdString();
  return document.documentElement();
}

} // namespace

TEST(Serializer, WritesChildrenInOrderAddedAndSkipsDeserializeOnlyOnes)
{
  Serializer root("View");
  root.addSubElement(boost::make_shared<TextSerializer>("B", "2"));
  root.addDeserializeOnlySubElement(boost::make_shared<TextSerializer>("Old", "x"));
  root.addSubElement(boost::make_shared<TextSerializer>("A", "1"));
  EXPECT_EQ(written(root), "<View><B>2</B><A>1</A></View>");

  root.replaceSubElement(boost::make_shared<TextSerializer>("B", "3"));
  root.replaceSubElement(boost::make_shared<TextSerializer>("C", "4"));
  EXPECT_EQ(written(root), "<View><B>3</B><A>1</A><C>4</C></View>");
}

TEST(Serializer, ReadsChildrenByNameAndLeavesMissingOnesAlone)
{
  Serializer root("View");
  auto a = boost::make_shared<TextSerializer>("A", "");
  auto old = boost::make_shared<TextSerializer>("Old", "");
  auto missing = boost::make_shared<TextSerializer>("Missing", "");
  root.addSubElement(a);
  root.addDeserializeOnlySubElement(old);
  root.addSubElement(missing);

  QDomDocument document;
  QDomElement element =
    parsed(document, "<View><Unknown>u</Unknown><Old>legacy</Old><A>first</A><A>second</A></View>");
  root.deserialize(element);

  EXPECT_EQ(a->read, std::vector<std::string>{ "first" });
  EXPECT_EQ(old->read, std::vector<std::string>{ "legacy" });
  EXPECT_TRUE(missing->read.empty());
}

TEST(NullSerializer, WritesNoElementAndReadsNothing)
{
  Serializer root("Views");
  root.addSubElement(boost::make_shared<TextSerializer>("A", "1"));
  root.addSubElement(boost::make_shared<NullSerializer>());
  root.addSubElement(boost::make_shared<TextSerializer>("B", "2"));
  EXPECT_EQ(written(root), "<Views><A>1</A><B>2</B></Views>");

  QDomDocument document;
  EXPECT_TRUE(NullSerializer().serialize(document).isNull());
  QDomElement element = parsed(document, "<Null><A>1</A></Null>");
  NullSerializer().deserialize(element);
}
