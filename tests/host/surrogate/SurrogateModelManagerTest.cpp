#include "host/pipeline/RangeFilter.h"
#include "host/surrogate/SurrogateModel.h"
#include "host/surrogate/SurrogateModelError.h"
#include "tests/host/surrogate/SurrogateFixture.h"
#include "tests/support/ErrorText.h"

#include <QUndoStack>

namespace
{

std::vector<std::string> names(const std::vector<WeakPtr<Variable>>& variables)
{
  std::vector<std::string> result;
  for (const auto& variable : variables)
    result.push_back(variable.lock()->name());
  return result;
}

double stressAt(const SurrogateModelManager& manager, double thickness, double load)
{
  return manager.predict(plateVariable("Stress").id(), { thickness, load }).at(0);
}

} // namespace

TEST_F(SurrogateTest, InputsAreVaryingIndependentNumbersAndOutputsDependentNumbers)
{
  EXPECT_EQ(names(m_manager->inputVariables()), (std::vector<std::string>{ "Thickness", "Load" }));
  EXPECT_EQ(names(m_manager->outputVariables()), (std::vector<std::string>{ "Stress", "Cost" }));
  EXPECT_TRUE(m_manager->isInputVariable(plateVariable("Load").id()));
  for (const char* other : { "Case ID", "Grade", "Label", "Stress", "Note" })
    EXPECT_FALSE(m_manager->isInputVariable(plateVariable(other).id())) << other;

  const auto summaries = m_manager->modelSummaries();
  ASSERT_EQ(summaries.size(), 2u);
  EXPECT_EQ(summaries[0].output, plateVariable("Stress"));
  EXPECT_EQ(names(summaries[0].inputs), (std::vector<std::string>{ "Thickness", "Load" }));
  EXPECT_EQ(summaries[0].casesUsed, 30u);
  EXPECT_EQ(summaries[0].kind, "Radial basis function");
  EXPECT_TRUE(summaries[0].error.empty());
  EXPECT_GT(summaries[0].crossValidatedError, 0.0);
  EXPECT_LT(summaries[0].crossValidatedError, 0.05);
  // Cases with NaN are left out of the model of Cost only; Cost is linear, so exact.
  EXPECT_EQ(summaries[1].casesUsed, 20u);
  EXPECT_LT(summaries[1].crossValidatedError, 1e-6);
  EXPECT_NEAR(stressAt(*m_manager, 2.0, 25.0), plateStress(2.0, 25.0), 0.1);
}

TEST_F(SurrogateTest, ProjectChangesRefitOnceAndOnlyWhenTheyTouchModelVariables)
{
  const uint64_t before = m_manager->generation();
  setValue(1, "Note", 99.0);
  setValue(1, "Label", "beam");
  EXPECT_EQ(m_modelChanges, 0);
  EXPECT_EQ(m_manager->generation(), before);

  setValue(1, "Stress", 100.0);
  EXPECT_EQ(m_modelChanges, 1);
  EXPECT_GT(m_manager->generation(), before);
  const std::vector<double> caseOne = { 1.0 + 2.0 * std::fmod(0.618034, 1.0),
    10.0 + 30.0 * std::fmod(0.7548777, 1.0) };
  EXPECT_NEAR(m_manager->predict(plateVariable("Stress").id(), caseOne)[0], 100.0, 1e-9);

  UndoStack::qUndoStack().undo();
  EXPECT_EQ(m_modelChanges, 2);
  EXPECT_NEAR(m_manager->predict(plateVariable("Stress").id(), caseOne)[0],
    plateStress(caseOne[0], caseOne[1]),
    1e-9);

  // A constant input that starts to vary becomes an input, in project order.
  setValue(4, "Grade", 3.0);
  EXPECT_EQ(m_modelChanges, 3);
  EXPECT_EQ(
    names(m_manager->inputVariables()), (std::vector<std::string>{ "Thickness", "Grade", "Load" }));
  EXPECT_EQ(m_manager->model(plateVariable("Stress").id()).inputCount(), 3u);

  // So do a changed nature and an erased variable.
  {
    Transaction transaction = Project::project().startTransaction("Nature");
    plateVariable("Note").lock(transaction)->setNature(transaction, Variable::Dependent);
  }
  EXPECT_EQ(m_modelChanges, 4);
  EXPECT_EQ(
    names(m_manager->outputVariables()), (std::vector<std::string>{ "Stress", "Cost", "Note" }));
  testsupport::eraseVariables({ "Load" });
  EXPECT_EQ(m_modelChanges, 5);
  EXPECT_EQ(names(m_manager->inputVariables()), (std::vector<std::string>{ "Thickness", "Grade" }));
  EXPECT_EQ(m_manager->model(plateVariable("Stress").id()).inputCount(), 2u);
}

TEST_F(SurrogateTest, UnfittableProjectsSayWhyWithoutModels)
{
  loadPlateProject(3);
  EXPECT_EQ(m_modelChanges, 1);
  const auto summaries = m_manager->modelSummaries();
  ASSERT_EQ(summaries.size(), 2u);
  EXPECT_EQ(summaries[0].casesUsed, 0u);
  EXPECT_TRUE(summaries[0].kind.empty());
  EXPECT_EQ(summaries[0].error,
    "Too few cases for a surrogate model of \"Stress\": 3 cases have values of it and of all 2 "
    "inputs; at least 4 are needed.");
  EXPECT_THROW(m_manager->predict(plateVariable("Stress").id(), { 1.0, 2.0 }), SurrogateModelError);
  EXPECT_EQ(testsupport::errorOf<SurrogateModelError>(
              [&] { m_manager->predict(plateVariable("Note").id(), {}); }),
    "\"Note\" is not an output of the surrogate models: only dependent numeric variables are.");

  // With its only varying input erased, no model can be fitted at all.
  testsupport::eraseVariables({ "Load", "Thickness" });
  EXPECT_TRUE(m_manager->inputVariables().empty());
  EXPECT_EQ(m_manager->modelSummaries()[0].error,
    "No surrogate model can be fitted: no independent numeric variable varies over the cases.");
}

TEST_F(SurrogateTest, DefaultInputValuesAreMiddlesOfTheFilteredRanges)
{
  int defaultsChanges = 0;
  m_manager->signalInputDefaultsChanged.connect([&] { ++defaultsChanges; });
  const auto thickness = plateVariable("Thickness");
  const auto range = thickness.lock()->range();
  EXPECT_DOUBLE_EQ(m_manager->defaultInputValue(thickness.id()), (range.first + range.second) / 2);

  m_pipeline->addFilter(boost::make_shared<RangeFilter>(plateVariable("Load"), 10.0, 20.0));
  EXPECT_GE(defaultsChanges, 1);
  double lowest = 1e9;
  double highest = -1e9;
  for (int i = 1; i <= 30; ++i)
  {
    const double load = 10.0 + 30.0 * std::fmod(i * 0.7548777, 1.0);
    if (load > 20.0)
      continue;
    lowest = std::min(lowest, 1.0 + 2.0 * std::fmod(i * 0.618034, 1.0));
    highest = std::max(highest, 1.0 + 2.0 * std::fmod(i * 0.618034, 1.0));
  }
  EXPECT_DOUBLE_EQ(m_manager->defaultInputValue(thickness.id()), (lowest + highest) / 2);
  // Filters choose what is looked at, not what the models learn from.
  EXPECT_EQ(m_modelChanges, 0);

  // Nothing passing the filters: the middle of all cases.
  m_pipeline->addFilter(boost::make_shared<RangeFilter>(plateVariable("Load"), 100.0, 200.0));
  EXPECT_DOUBLE_EQ(m_manager->defaultInputValue(thickness.id()), (range.first + range.second) / 2);
}
