#include "host/project/AxisVariableProvider.h"
#include "tests/host/project/StudyProject.h"

#include <gtest/gtest.h>

namespace
{

std::string nameOf(const WeakPtr<Variable>& handle)
{
  const auto variable = handle.lock();
  return variable ? variable->name() : "<none>";
}

} // namespace

TEST(AxisVariableProvider, HandsOutEachNumericVariableOnceByNature)
{
  loadStudyProject();
  AxisVariableProvider provider(Project::project().variables());
  EXPECT_EQ(nameOf(provider.next(Variable::Independent)), "Length");
  EXPECT_EQ(nameOf(provider.next(Variable::Independent)), "Width");
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Mass");
  EXPECT_TRUE(provider.hasNext());
  EXPECT_EQ(nameOf(provider.next(Variable::Independent)), "Count");
  EXPECT_FALSE(provider.hasNext());
}

TEST(AxisVariableProvider, KeepsViewsUsableWhenNoVariableOfTheNatureIsLeft)
{
  loadStudyProject();
  AxisVariableProvider provider(Project::project().variables());
  provider.next(Variable::Independent);
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Mass");
  // No dependent variable is left: an unused one of another nature comes next...
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Width");
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Count");
  // ...then the first of the asked nature again, and text is never handed out.
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Mass");
  EXPECT_EQ(nameOf(provider.next(Variable::Other)), "Length");
}

TEST(AxisVariableProvider, FallsBackToTheCaseIdentifiersAndThenToNothing)
{
  Project::project().clear();
  AxisVariableProvider provider(Project::project().variables());
  EXPECT_FALSE(provider.hasNext());
  EXPECT_EQ(nameOf(provider.next(Variable::Independent)), Variable::caseIdName);
  AxisVariableProvider empty({});
  EXPECT_TRUE(empty.next(Variable::Dependent).isNull());
}
