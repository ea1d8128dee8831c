#include "analyzer/dataviews/image/ImageViewSerializers.h"

#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "host/project/Project.h"
#include "host/viewsupport/ImageViewProperties.h"

#include <QDomDocument>
#include <QDomElement>
#include <algorithm>
#include <boost/make_shared.hpp>

namespace
{

const char* kindName(Variant::Kind kind)
{
  switch (kind)
  {
    case Variant::Kind::Integer:
      return "Integer";
    case Variant::Kind::Real:
      return "Real";
    case Variant::Kind::Text:
      return "Text";
    case Variant::Kind::NaN:
      return "NaN";
    case Variant::Kind::Null:
      break;
  }
  return "NULL";
}

class VariantSerializer : public Serializer
{
public:
  VariantSerializer(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<Variant>> property)
    : Serializer(name)
    , m_property(std::move(property))
  {
  }

private:
  void serializeSelf(QDomElement& element) const override
  {
    const Variant value = m_property->value();
    element.setAttribute(QStringLiteral("Type"), QString::fromLatin1(kindName(value.kind())));
    if (!value.isSpecial())
      element.appendChild(
        element.ownerDocument().createTextNode(QString::fromStdString(value.toString())));
  }

  void deserializeSelf(QDomElement& element) const override
  {
    const QString type = element.attribute(QStringLiteral("Type"));
    const std::string text = element.text().toStdString();
    if (type == QLatin1String("Text"))
      m_property->setValue(Variant(text));
    else if (type == QLatin1String("NaN"))
      m_property->setValue(Variant::nan());
    else if (type == QLatin1String("NULL") || text.empty())
      m_property->setValue(Variant());
    else
      m_property->setValue(Variant::fromText(text));
  }

  boost::shared_ptr<vantor::PropertyAbstract<Variant>> m_property;
};

bool projectHasGroup(const std::string& name)
{
  return Project::project().hasTagGroup(name);
}

bool projectHasTag(const std::string& tag)
{
  const std::vector<std::string> tags = Project::project().allTags();
  return std::binary_search(tags.begin(), tags.end(), tag);
}

using StringList = std::vector<std::string>;
using StringListProperty = boost::shared_ptr<vantor::PropertyAbstract<StringList>>;

boost::shared_ptr<SerializerInterface> stringList(const std::string& name,
  StringListProperty property,
  boost::function<bool(const std::string&)> accept)
{
  return boost::make_shared<VectorSerializer<std::string>>(
    name,
    [property] { return property->value(); },
    [property](const StringList& values) { property->setValue(values); },
    std::move(accept));
}

} // namespace

boost::shared_ptr<SerializerInterface> ImageViewSerializers::variant(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<Variant>> property)
{
  return boost::make_shared<VariantSerializer>(name, std::move(property));
}

boost::shared_ptr<SerializerInterface> ImageViewSerializers::variableList(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<WeakPtr<Variable>>>> property)
{
  auto names = [property]
  {
    StringList result;
    for (const auto& handle : property->value())
      if (const auto variable = handle.lock())
        result.push_back(variable->name());
    return result;
  };
  auto setNames = [property](const StringList& values)
  {
    std::vector<WeakPtr<Variable>> variables;
    for (const std::string& value : values)
      variables.push_back(Project::project().variable(value));
    property->setValue(variables);
  };
  auto known = [](const std::string& value)
  { return static_cast<bool>(Project::project().variable(value).lock()); };
  return boost::make_shared<VectorSerializer<std::string>>(name, names, setNames, known);
}

boost::shared_ptr<SerializerInterface> ImageViewSerializers::scrollPosition(
  boost::function<std::pair<int, int>()> positions,
  boost::function<void(const std::pair<int, int>&)> setPositions)
{
  const GenericSerializer<int>::Getter2 getter = [positions](int& vertical, int& horizontal)
  { std::tie(vertical, horizontal) = positions(); };
  const GenericSerializer<int>::Setter2 setter = [setPositions](
                                                   const int& vertical, const int& horizontal) {
    setPositions({ vertical, horizontal });
  };
  return boost::make_shared<GenericSerializer<int>>(
    "ScrollPosition", std::vector<std::string>{ "Vertical", "Horizontal" }, getter, setter);
}

void ImageViewSerializers::addCommonSettings(Serializer& serializer,
  const ImageViewProperties& properties)
{
  serializer.addSubElement(
    stringList("TagGroupsToShow", properties.tagGroupsToShow(), projectHasGroup));
  serializer.addSubElement(stringList("TagsToShow", properties.tagsToShow(), projectHasTag));
  serializer.addSubElement(
    boost::make_shared<GenericSerializer<uint64_t>>("Zoom", properties.zoom()));
  serializer.addSubElement(
    boost::make_shared<GenericSerializer<bool>>("ShowLabels", properties.showLabels()));
  serializer.addSubElement(variableList("VariablesInLabel", properties.variablesInLabel()));
}
