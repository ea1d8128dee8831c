#include "host/core/UndoStack.h"
#include "host/project/ProjectError.h"
#include "host/project/TagOperations.h"
#include "tests/host/project/StudyProject.h"

#include <QUndoStack>
#include <gtest/gtest.h>

TEST(Project, ListsVariablesCaseIdFirstAndFindsObjectsByNameIdAndRow)
{
  loadStudyProject();
  const Project& project = Project::project();
  const auto variables = project.variables();
  ASSERT_EQ(variables.size(), 6u);
  EXPECT_EQ(variables[0], project.caseIdVariable());
  EXPECT_TRUE(variables[0].lock()->isLocked());
  EXPECT_TRUE(variables[0].lock()->isCaseId());
  EXPECT_EQ(variables[4].lock()->name(), "Mass");
  EXPECT_EQ(variables[4].lock()->nature(), Variable::Dependent);
  EXPECT_EQ(static_cast<int>(variables[5].lock()->valueType()), 3);
  EXPECT_EQ(project.variableById(variables[1].id()), variables[1]);
  EXPECT_TRUE(project.variable("Nope").isNull());
  EXPECT_EQ(project.recordAtRow(2).lock()->caseId(), 3u);
  EXPECT_FALSE(project.record(99).lock());
  EXPECT_EQ(studyVariable("Width")->range(), std::make_pair(10.0, 50.0));
  EXPECT_EQ(studyVariable("Material")->range(), std::make_pair(0.0, 0.0));

  // A handle locks only while its object is part of the project.
  const WeakPtr<Variable> mass = project.variable("Mass");
  EXPECT_TRUE(mass.lock());
  Project::project().clear();
  EXPECT_FALSE(mass.lock());
  EXPECT_EQ(project.variables().size(), 1u);
  EXPECT_EQ(project.recordCount(), 0);
}

TEST(ProjectContents, RefusesDataThatDoNotFitBeforeAnythingChanges)
{
  loadStudyProject();
  ProjectContents contents;
  contents.addVariable("X", Variable::Independent, ValueType::Real);
  EXPECT_THROW(contents.addVariable("X", Variable::Dependent, ValueType::Real), ProjectError);
  EXPECT_THROW(contents.addVariable("", Variable::Dependent, ValueType::Real), ProjectError);
  EXPECT_THROW(contents.addVariable("Y", Variable::Dependent, ValueType::Real, 1), ProjectError);
  contents.addRecord(1, { 1.0 });
  EXPECT_THROW(contents.addRecord(1, { 2.0 }), ProjectError);
  EXPECT_THROW(contents.addRecord(2, { 2.0, 3.0 }), ProjectError);
  EXPECT_THROW(contents.addRecord(3, { "abc" }), ProjectError);
  EXPECT_THROW(contents.addAuxFile(8, "/x.png", {}), ProjectError);
  EXPECT_EQ(contents.recordCount(), 1);
  EXPECT_EQ(Project::project().recordCount(), 5);
}

TEST(TagOperations, AnswersTagsOfCasesAndEditsTagsUndoably)
{
  loadStudyProject();
  EXPECT_EQ(TagOperations::tagsOfCases({ 1, 2, 42 }),
    (std::set<std::string>{ "approved", "rejected", "sharp" }));
  EXPECT_TRUE(TagOperations::tagsOfCases({ 3 }).empty());
  EXPECT_EQ(TagOperations::casesWithTag("rejected"), std::vector<uint64_t>{ 2 });
  EXPECT_EQ(TagOperations::groupOfTag("sharp"), "Quality");
  EXPECT_EQ(TagOperations::groupOfTag("other"), "");

  const WeakPtr<AuxFile> file = Project::project().record(2).lock()->auxFiles().back();
  {
    Transaction transaction = Project::project().startTransaction();
    auto auxFile = file.lock(transaction);
    TagOperations::addTag(transaction, *auxFile, "blurred");
    TagOperations::addTag(transaction, *auxFile, "blurred");
  }
  EXPECT_EQ(file.lock()->tags(), std::vector<std::string>{ "blurred" });
  EXPECT_EQ(TagOperations::casesWithTag("blurred"), std::vector<uint64_t>{ 2 });
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(file.lock()->tags().empty());
}
