#include "host/project/AxisVariableProvider.h"
#include "tests/host/project/StudyProject.h"
#include "tests/support/ProjectEdits.h"

#include <gtest/gtest.h>

namespace
{

std::string nameOf(const WeakPtr<Variable>& handle)
{
  const auto variable = handle.lock();
  return variable ? variable->name() : "<none>";
}

} // namespace

TEST(AxisVariableProvider, HandsOutEachNumericVariableOnceByNatureThenOthersThenCaseIds)
{
  loadStudyProject();
  AxisVariableProvider provider(Project::project().variables());
  EXPECT_EQ(nameOf(provider.next(Variable::Independent)), "Length");
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Mass");
  EXPECT_TRUE(provider.hasNext());
  // No dependent variable is left: an unused one of another nature comes next...
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Width");
  EXPECT_EQ(nameOf(provider.next(Variable::Independent)), "Count");
  EXPECT_FALSE(provider.hasNext());
  // ...then the first of the asked nature again, and text is never handed out.
  EXPECT_EQ(nameOf(provider.next(Variable::Dependent)), "Mass");
  EXPECT_EQ(nameOf(provider.next(Variable::Other)), "Length");

  // A variable most cases have no number of comes after every well-filled one.
  for (uint64_t caseId = 1; caseId <= 3; ++caseId)
    testsupport::setValue(caseId, "Length", Variant::nan());
  AxisVariableProvider sparse(Project::project().variables());
  EXPECT_EQ(nameOf(sparse.next(Variable::Independent)), "Width");
  EXPECT_EQ(nameOf(sparse.next(Variable::Independent)), "Count");
  EXPECT_EQ(nameOf(sparse.next(Variable::Independent)), "Mass");
  EXPECT_EQ(nameOf(sparse.next(Variable::Independent)), "Length");

  // Without variables the case identifiers keep views usable; without even those, nothing.
  Project::project().clear();
  AxisVariableProvider bare(Project::project().variables());
  EXPECT_FALSE(bare.hasNext());
  EXPECT_EQ(nameOf(bare.next(Variable::Independent)), Variable::caseIdName);
  EXPECT_TRUE(AxisVariableProvider({}).next(Variable::Dependent).isNull());
}
