#include "host/serialization/NullSerializer.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/make_shared.hpp>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

// Writes its text and records what it reads.
class TextSerializer : public Serializer
{
public:
  TextSerializer(const std::string& name, const std::string& text)
    : Serializer(name)
    , m_text(QString::fromStdString(text))
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

boost::shared_ptr<TextSerializer> text(const std::string& name, const std::string& value = "")
{
  return boost::make_shared<TextSerializer>(name, value);
}

} // namespace

TEST(Serializer, WritesChildrenInOrderAndReadsThemByNameLeavingMissingOnesAlone)
{
  Serializer root("View");
  root.addSubElement(text("B", "2"));
  root.addDeserializeOnlySubElement(text("Old", "x"));
  root.addSubElement(boost::make_shared<NullSerializer>());
  root.addSubElement(text("A", "1"));
  EXPECT_EQ(xmlText(root), "<View><B>2</B><A>1</A></View>");

  root.replaceSubElement(text("B", "3"));
  root.replaceSubElement(text("C", "4"));
  EXPECT_EQ(xmlText(root), "<View><B>3</B><A>1</A><C>4</C></View>");

  Serializer reader("View");
  auto a = text("A"), old = text("Old"), missing = text("Missing");
  reader.addSubElement(a);
  reader.addDeserializeOnlySubElement(old);
  reader.addSubElement(missing);
  reader.addSubElement(boost::make_shared<NullSerializer>());

  readXml(reader, "<View><Null/><X>u</X><Old>legacy</Old><A>first</A><A>second</A></View>");
  EXPECT_EQ(a->read, std::vector<std::string>{ "first" });
  EXPECT_EQ(old->read, std::vector<std::string>{ "legacy" });
  EXPECT_TRUE(missing->read.empty());
}
