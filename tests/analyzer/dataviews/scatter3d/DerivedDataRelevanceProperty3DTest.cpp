#include "analyzer/dataviews/scatter3d/DerivedDataRelevanceProperty3D.h"
#include "tests/analyzer/dataviews/scatter3d/DerivedDataFixture.h"
#include "tests/support/ProjectEdits.h"

#include <QUndoStack>

namespace
{

class RelevanceTest : public DerivedDataTest
{
protected:
  void SetUp() override
  {
    DerivedDataTest::SetUp();
    m_relevance = boost::make_shared<DerivedDataRelevanceProperty3D>(m_manager,
      m_view.m_x,
      m_view.m_y,
      m_view.m_z,
      m_view.m_colorVar,
      m_view.m_colorByData,
      m_view.m_sizeVar,
      m_view.m_sizeByData);
    m_relevance->signalValueChanged.connect([this](bool) { ++m_changes; });
  }

  boost::shared_ptr<DerivedDataRelevanceProperty3D> m_relevance;
  int m_changes = 0;
};

} // namespace

TEST_F(RelevanceTest, TwoInputAxesAndOneDependentAxisAreRelevant)
{
  EXPECT_FALSE(m_relevance->value());
  axes("Thickness", "Load", "Stress");
  EXPECT_TRUE(m_relevance->value());
  EXPECT_EQ(m_changes, 1);
  // Storing from outside changes nothing: the value is always the computed one.
  m_relevance->setValue(false);
  EXPECT_TRUE(m_relevance->value());

  axes("Load", "Stress", "Thickness");
  EXPECT_TRUE(m_relevance->value()) << "any order of the axes";
  axes("Thickness", "Thickness", "Stress");
  EXPECT_FALSE(m_relevance->value()) << "the same input twice is one input";
  axes("Thickness", "Load", "Note");
  EXPECT_FALSE(m_relevance->value()) << "the third axis must be dependent";
  axes("Thickness", "Load", "Grade");
  EXPECT_FALSE(m_relevance->value()) << "a constant independent variable is no input";
  axes("Thickness", "Load", "Load");
  EXPECT_FALSE(m_relevance->value());
}

TEST_F(RelevanceTest, ColourAndSizeOnTwoInputsAreRelevantWhenNoAxisIsAnInput)
{
  axes("Stress", "Cost", "Note");
  m_view.m_colorVar->setValue(plateVariable("Thickness"));
  m_view.m_sizeVar->setValue(plateVariable("Load"));
  m_view.m_colorByData->setValue(true);
  EXPECT_FALSE(m_relevance->value());
  m_view.m_sizeByData->setValue(true);
  EXPECT_TRUE(m_relevance->value());
  m_view.m_sizeVar->setValue(plateVariable("Thickness"));
  EXPECT_FALSE(m_relevance->value()) << "colour and size on the same variable";
  m_view.m_sizeVar->setValue(plateVariable("Load"));
  m_view.m_x->setValue(plateVariable("Load"));
  EXPECT_FALSE(m_relevance->value()) << "one axis on an input";
  EXPECT_EQ(m_changes, 4);
}

TEST_F(RelevanceTest, FollowsTheModelsAndErasedVariablesWhileNotSuspended)
{
  axes("Thickness", "Load", "Stress");
  ASSERT_TRUE(m_relevance->value());
  m_relevance->suspend();
  testsupport::eraseVariables({ "Load" });
  EXPECT_TRUE(m_relevance->value()) << "suspended";
  m_relevance->resume();
  EXPECT_FALSE(m_relevance->value());
  EXPECT_EQ(m_changes, 2);

  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(m_relevance->value()) << "the erased input is back";
  {
    Transaction transaction = Project::project().startTransaction("Nature");
    plateVariable("Load").lock(transaction)->setNature(transaction, Variable::Other);
  }
  EXPECT_FALSE(m_relevance->value()) << "no longer a model input";
}
