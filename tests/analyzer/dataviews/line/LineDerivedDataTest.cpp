#include "analyzer/dataviews/line/DerivedDataRelevanceProperty.h"
#include "analyzer/dataviews/line/DiscreteFilteredPoints.h"
#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"
#include "tests/host/surrogate/SurrogateFixture.h"

namespace
{

/// The plate project's models under a line plot's settings: Thickness and Load are the inputs,
/// Grade is independent but constant (no input), Stress and Cost are dependent, Note neither.
class LineRelevanceTest : public SurrogateTest
{
protected:
  void SetUp() override
  {
    SurrogateTest::SetUp();
    m_x->setValue(plateVariable("Thickness"));
    m_y->setValue(plateVariable("Stress"));
    m_sort->setValue(plateVariable("Thickness"));
    m_color->setValue(plateVariable("Load"));
    m_symbol->setValue(plateVariable("Load"));
    m_relevance = boost::make_shared<DerivedDataRelevanceProperty>(
      m_manager, m_x, m_y, m_sort, m_color, m_byColor, m_symbol, m_bySymbol);
    m_relevance->signalValueChanged.connect([this](bool) { ++m_changes; });
  }

  using VariableProperty = vantor::Property<VariablePtr>;
  boost::shared_ptr<VariableProperty> m_x = boost::make_shared<VariableProperty>();
  boost::shared_ptr<VariableProperty> m_y = boost::make_shared<VariableProperty>();
  boost::shared_ptr<VariableProperty> m_sort = boost::make_shared<VariableProperty>();
  boost::shared_ptr<VariableProperty> m_color = boost::make_shared<VariableProperty>();
  boost::shared_ptr<VariableProperty> m_symbol = boost::make_shared<VariableProperty>();
  boost::shared_ptr<vantor::Property<bool>> m_byColor =
    boost::make_shared<vantor::Property<bool>>();
  boost::shared_ptr<vantor::Property<bool>> m_bySymbol =
    boost::make_shared<vantor::Property<bool>>();
  boost::shared_ptr<DerivedDataRelevanceProperty> m_relevance;
  int m_changes = 0;
};

} // namespace

TEST_F(LineRelevanceTest, AnInputAgainstAnOutputIsRelevantUnlessAGroupingSpoilsIt)
{
  EXPECT_TRUE(m_relevance->value());
  // Storing from outside changes nothing.
  m_relevance->setValue(false);
  EXPECT_TRUE(m_relevance->value());

  m_y->setValue(plateVariable("Load"));
  EXPECT_FALSE(m_relevance->value()) << "two independent axes";
  m_x->setValue(plateVariable("Stress"));
  EXPECT_TRUE(m_relevance->value()) << "the input may be on y";
  m_x->setValue(plateVariable("Thickness"));
  m_y->setValue(plateVariable("Stress"));
  EXPECT_EQ(m_changes, 4);

  // Groupings count only while in use.
  m_color->setValue(plateVariable("Cost"));
  EXPECT_TRUE(m_relevance->value());
  m_byColor->setValue(true);
  EXPECT_FALSE(m_relevance->value()) << "colouring by a dependent variable";
  m_color->setValue(plateVariable("Load"));
  EXPECT_TRUE(m_relevance->value()) << "colouring by another input";
  m_color->setValue(plateVariable("Thickness"));
  EXPECT_FALSE(m_relevance->value()) << "the varied input is also the colour groups";
  m_byColor->setValue(false);
  m_bySymbol->setValue(true);
  m_symbol->setValue(plateVariable("Thickness"));
  EXPECT_FALSE(m_relevance->value()) << "the varied input is also the symbol groups";
  m_symbol->setValue(plateVariable("Note"));
  EXPECT_FALSE(m_relevance->value()) << "grouping by a variable of neither kind";
  m_bySymbol->setValue(false);
  EXPECT_TRUE(m_relevance->value());
}

TEST_F(LineRelevanceTest, VariablesOutsideTheModelsOrGoneAreNeverRelevant)
{
  m_sort->setValue(plateVariable("Grade"));
  EXPECT_FALSE(m_relevance->value()) << "independent, but constant: no model input";
  m_sort->setValue(plateVariable("Note"));
  EXPECT_FALSE(m_relevance->value());
  m_sort->setValue(plateVariable("Stress"));
  EXPECT_TRUE(m_relevance->value());

  m_x->setValue(plateVariable("Cost"));
  EXPECT_FALSE(m_relevance->value()) << "no axis and no sort variable is a model input";
  m_sort->setValue(plateVariable("Load"));
  EXPECT_TRUE(m_relevance->value()) << "sorting by an input between two outputs";

  // A suspended property hears nothing and catches up on resume.
  m_relevance->suspend();
  const int changes = m_changes;
  m_symbol->setValue(VariablePtr());
  EXPECT_TRUE(m_relevance->value());
  EXPECT_EQ(m_changes, changes);
  m_relevance->resume();
  EXPECT_FALSE(m_relevance->value()) << "a variable that resolves to nothing";
  EXPECT_EQ(m_changes, changes + 1);
}

TEST(DiscreteFilteredPoints, TheEnabledValuesOfAValueFilterOnly)
{
  loadPlateProject(5);
  using Matcher = MultiValueFilterAbstract::MatcherValue;
  const auto filter = boost::make_shared<ValueFilter>(plateVariable("Load"),
    std::vector<Matcher>{
      { Variant(1), true }, { Variant(2.0), true }, { Variant(3), false }, { Variant(4), true } });
  EXPECT_EQ(DiscreteFilteredPoints(filter).points(), (std::vector<double>{ 1.0, 2.0, 4.0 }));
  EXPECT_TRUE(DiscreteFilteredPoints(nullptr).points().empty());
  EXPECT_TRUE(
    DiscreteFilteredPoints(boost::make_shared<RangeFilter>(plateVariable("Load"), 1.0, 4.0))
      .points()
      .empty());
}
