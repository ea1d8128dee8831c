#include "host/serialization/VariableInfoSerializer.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "property/PropertyInstantiations.h"

#include <QDomDocument>
#include <gtest/gtest.h>

namespace
{

void loadVariables(const std::vector<std::string>& names, uint64_t firstId)
{
  ProjectContents contents;
  uint64_t id = firstId;
  for (const auto& name : names)
    contents.addVariable(name, Variable::Independent, ValueType::Real, id++);
  Project::project().assign(std::move(contents));
}

} // namespace

TEST(VariableInfoSerializer, ResolvesByNameInAReopenedProject)
{
  loadVariables({ "Length", "Width" }, 10);
  auto property =
    boost::make_shared<vantor::Property<WeakPtr<Variable>>>(Project::project().variable("Width"));
  VariableInfoSerializer serializer("XVariable", property);
  QDomDocument document;
  QDomElement element = serializer.serialize(document);
  EXPECT_EQ(element.text(), "Width");

  loadVariables({ "Width", "Height", "Length" }, 50);
  property->setValue(Project::project().variable("Height"));
  serializer.deserialize(element);
  ASSERT_TRUE(property->value().lock());
  EXPECT_EQ(property->value().lock()->name(), "Width");
  EXPECT_EQ(property->value(), Project::project().variable("Width"));

  loadVariables({ "Height" }, 70);
  property->setValue(Project::project().variable("Height"));
  serializer.deserialize(element);
  EXPECT_EQ(property->value(), Project::project().variable("Height"))
    << "a variable that is gone keeps the current choice";

  QDomElement empty = document.createElement("XVariable");
  serializer.deserialize(empty);
  EXPECT_TRUE(property->value().isNull());
  EXPECT_EQ(serializer.serialize(document).text(), "");
}
