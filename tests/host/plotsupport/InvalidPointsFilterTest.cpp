#include "host/plotsupport/InvalidPointsFilter.h"
#include "host/pipeline/RangeFilter.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "host/vtkutil/vtkNanNullValueArray.h"
#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"
#include "property/PropertyInstantiations.h"
#include "tests/host/pipeline/PipelineFixture.h"

#include <limits>
#include <vtkCharArray.h>
#include <vtkNew.h>
#include <vtkTable.h>

namespace
{

using VariableProperty = vantor::Property<WeakPtr<Variable>>;

class InvalidPointsFilterTest : public PipelineTest
{
protected:
  void SetUp() override
  {
    PipelineTest::SetUp();
    numeric->SetInputConnection(m_pipeline->filteredOutput()->GetOutputPort());
    filter->SetInputConnection(numeric->GetOutputPort());
    x = boost::make_shared<VariableProperty>(Project::project().variable("Length"));
    y = boost::make_shared<VariableProperty>(Project::project().variable("Width"));
    size = boost::make_shared<VariableProperty>(Project::project().variable("Mass"));
    sizeByData = boost::make_shared<vantor::Property<bool>>(false);
    relevantSize =
      boost::make_shared<InvalidPointsFilter::RelevanceDependentVariableProperty>(sizeByData, size);
    filter->setVariables({ x, y, relevantSize });
  }

  std::vector<uint64_t> keptCases()
  {
    filter->Update();
    vtkTable* table = filter->GetOutput();
    std::vector<uint64_t> ids;
    for (vtkIdType row = 0; row < table->GetNumberOfRows(); ++row)
      ids.push_back(table->GetValue(row, 0).ToTypeUInt64());
    return ids;
  }

  vtkNew<vtkVariantToNumericAlgorithm> numeric;
  vtkNew<InvalidPointsFilter> filter;
  boost::shared_ptr<VariableProperty> x, y, size;
  boost::shared_ptr<vantor::Property<bool>> sizeByData;
  boost::shared_ptr<InvalidPointsFilter::RelevanceDependentVariableProperty> relevantSize;
};

} // namespace

TEST_F(InvalidPointsFilterTest, DropsRowsWithoutValidValuesInTheRelevantVariables)
{
  // Case 4 has a NULL width; Mass (NaN in case 2) counts only while sizing by data.
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 1, 2, 3, 5 }));
  EXPECT_TRUE(relevantSize->value().isNull());

  int announced = 0;
  relevantSize->signalValueChanged.connect([&](const WeakPtr<Variable>&) { ++announced; });
  sizeByData->setValue(true);
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(relevantSize->value(), Project::project().variable("Mass"));
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 1, 3, 5 }));
  relevantSize->setValue(WeakPtr<Variable>());
  EXPECT_EQ(relevantSize->value(), Project::project().variable("Mass")) << "read-only";

  // The rows follow a filter of the pipeline and a changed axis variable.
  y->setValue(Project::project().variable("Count"));
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 1, 3, 4, 5 }));
  // Text is a value: only the case without one (4) is dropped, besides case 2's NaN mass.
  x->setValue(Project::project().variable("Material"));
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 1, 3, 5 }));
}

TEST_F(InvalidPointsFilterTest, AnInfinityWrittenIntoAColumnDropsItsRowAlsoThroughAFilter)
{
  // Length holds only finite numbers and says so: its rows pass without a read of it, and a
  // filter's copy of it takes its word.
  auto* length = vtkNanNullDoubleArray::SafeDownCast(studyVariable("Length")->column().array());
  ASSERT_NE(length, nullptr);
  EXPECT_TRUE(length->knownFinite());
  auto count = boost::make_shared<RangeFilter>(Project::project().variable("Count"), 4.0, 7.0);
  m_pipeline->addFilter(count);
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 2, 3, 5 }));

  // The edited cell reaches the filter's copy, which no longer vouches for it either.
  testsupport::setValue(5, "Length", Variant(-std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(length->knownFinite());
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 2, 3 }));
  m_pipeline->removeFilter(count);
  testsupport::setValue(1, "Length", Variant(std::numeric_limits<double>::infinity()));
  EXPECT_EQ(keptCases(), (std::vector<uint64_t>{ 2, 3 }));
}

TEST_F(InvalidPointsFilterTest, AllValidRowsPassSharedAndKeptColumnsFollowTheSelection)
{
  y->setValue(Project::project().variable("Count"));
  filter->Update();
  vtkTable* input = numeric->GetOutput();
  EXPECT_EQ(filter->GetOutput()->GetColumn(1), input->GetColumn(1)) << "columns are shared";
  // The shared mask changes in place: with nothing copied, a selection change runs nothing.
  AlgorithmExecutionListener numericRuns(numeric);
  AlgorithmExecutionListener filterRuns(filter);
  m_selection->setSelection({ 1 });
  filter->Update();
  EXPECT_FALSE(numericRuns.algorithmHasExecuted());
  EXPECT_FALSE(filterRuns.algorithmHasExecuted());

  // With case 2 dropped, the selection mask column is cut to the kept rows, and a selection
  // change reaches it without cutting the other columns again, nor running the stages before.
  sizeByData->setValue(true);
  filter->Update();
  vtkAbstractArray* length = filter->GetOutput()->GetColumnByName("Length");
  numericRuns.reset();
  m_selection->setSelection({ 3, 5 });
  filter->Update();
  EXPECT_FALSE(numericRuns.algorithmHasExecuted());
  vtkTable* output = filter->GetOutput();
  EXPECT_EQ(output->GetColumnByName("Length"), length);
  auto* mask = vtkDataArray::SafeDownCast(
    output->GetColumnByName(DataPipelineManagerInterface::selectionMaskName));
  ASSERT_NE(mask, nullptr);
  // Cases 1, 3, 4 and 5 are kept.
  ASSERT_EQ(mask->GetNumberOfTuples(), 4);
  EXPECT_EQ(mask->GetTuple1(0), 0.0);
  EXPECT_EQ(mask->GetTuple1(1), 1.0);
  EXPECT_EQ(mask->GetTuple1(2), 0.0);
  EXPECT_EQ(mask->GetTuple1(3), 1.0);
}

TEST(InvalidPointsFilter, ValidPointsColumnMarksRowsInvalid)
{
  vtkNew<vtkTable> table;
  vtkNew<vtkCharArray> flags;
  flags->SetName(InvalidPointsFilter::validPointsArrayName);
  for (char flag : { 1, 0, 1 })
    flags->InsertNextValue(flag);
  table->AddColumn(flags);
  vtkNew<InvalidPointsFilter> filter;
  filter->SetInputData(table);
  filter->Update();
  EXPECT_EQ(filter->GetOutput()->GetNumberOfRows(), 2);
}
