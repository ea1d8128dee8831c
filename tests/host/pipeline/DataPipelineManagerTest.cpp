#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"
#include "host/vtkutil/RecordTableUtils.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "tests/host/pipeline/PipelineFixture.h"

#include <QUndoStack>
#include <cmath>
#include <vtkDoubleArray.h>
#include <vtkIdTypeArray.h>
#include <vtkStringArray.h>

using namespace testsupport;

TEST_F(PipelineTest, UnfilteredTableHoldsCaseIdsThenVariablesThenInternalColumns)
{
  vtkTable* table = unfiltered();
  ASSERT_EQ(table->GetNumberOfColumns(), 7);
  EXPECT_EQ(table->GetNumberOfRows(), 5);
  const char* names[] = { "Case ID", "Length", "Width", "Count", "Mass", "Material" };
  for (int c = 0; c < 6; ++c)
    EXPECT_STREQ(table->GetColumn(c)->GetName(), names[c]);
  EXPECT_NE(std::string(table->GetColumn(6)->GetName()).find("!!!"), std::string::npos);
  EXPECT_TRUE(vtkIdTypeArray::SafeDownCast(table->GetColumn(0)));
  EXPECT_TRUE(vtkDoubleArray::SafeDownCast(table->GetColumn(1)));
  EXPECT_TRUE(vtkIdTypeArray::SafeDownCast(table->GetColumn(3)));
  EXPECT_TRUE(vtkStringArray::SafeDownCast(table->GetColumn(5)));
  EXPECT_EQ(table->GetColumn(4), studyVariable("Mass")->column().array());
  EXPECT_EQ(table->GetValue(4, 0).ToInt(), 5);
  EXPECT_EQ(table->GetValue(1, 4).ToString(), "nan");
  EXPECT_FALSE(RecordTableUtils::cellValue(table, 3, 2).IsValid());
  EXPECT_EQ(RecordTableUtils::cellValue(table, 2, 2).ToDouble(), 30.0);
  EXPECT_EQ(table->GetValue(3, 5).ToString(), "");
  EXPECT_EQ(table->GetColumn(6), m_pipeline->selectionMask().Get());

  // Without filters the filtered table is the same data.
  EXPECT_EQ(filtered()->GetNumberOfRows(), 5);
  EXPECT_EQ(filtered()->GetColumn(4), table->GetColumn(4));
}

TEST_F(PipelineTest, FilteredTableKeepsRowsPassingEveryActiveFilter)
{
  auto length = boost::make_shared<RangeFilter>(Project::project().variable("Length"), 2.0, 4.5);
  auto material = boost::make_shared<ValueFilter>(Project::project().variable("Material"),
    std::vector<ValueFilter::MatcherValue>{ { "steel", true }, { "wood", true } });
  m_pipeline->addFilter(length);
  m_pipeline->addFilter(material);
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 2, 3 }));
  EXPECT_EQ(m_pipeline->filters().size(), 2u);
  EXPECT_EQ(m_pipeline->filter(Project::project().variable("Length")), length);
  EXPECT_FALSE(m_pipeline->filter(Project::project().variable("Mass")));
  EXPECT_EQ(m_filterSetChanges, 2);
  EXPECT_EQ(m_unfilteredChanges, 0);

  vtkTable* table = filtered();
  EXPECT_EQ(table->GetNumberOfColumns(), 7);
  EXPECT_EQ(table->GetValue(0, 4).ToString(), "nan");
  EXPECT_TRUE(std::isnan(RecordTableUtils::cellValue(table, 0, 4).ToDouble()));
  EXPECT_EQ(table->GetValue(1, 5).ToString(), "steel");
  EXPECT_EQ(unfiltered()->GetNumberOfRows(), 5);

  EXPECT_TRUE(m_pipeline->violatedVariables(2).empty());
  const auto violated = m_pipeline->violatedVariables(4);
  ASSERT_EQ(violated.size(), 1u);
  EXPECT_EQ(*violated.begin(), Project::project().variable("Material"));
  EXPECT_EQ(m_pipeline->violatedVariables(1).size(), 1u);
  EXPECT_EQ(m_pipeline->violatedVariables(5).size(), 2u);
  EXPECT_TRUE(m_pipeline->violatedVariables(99).empty());

  material->setValueEnabled("wood", false);
  EXPECT_EQ(filteredCases(), std::vector<uint64_t>{ 3 });
  length->setEnabled(false);
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 1, 3 }));
  EXPECT_EQ(m_pipeline->filters().size(), 1u);
  EXPECT_EQ(m_pipeline->filter(Project::project().variable("Length")), length);
  EXPECT_EQ(m_filterSetChanges, 3);

  // Filter edits are undo steps.
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 2, 3 }));
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(m_pipeline->filters().empty());
  EXPECT_EQ(filteredCases().size(), 5u);
}

TEST_F(PipelineTest, CellEditsUpdateTheFilteredRowsAndValues)
{
  m_pipeline->addFilter(
    boost::make_shared<RangeFilter>(Project::project().variable("Mass"), 6.0, 9.0));
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 3, 4, 5 }));
  EXPECT_FALSE(RecordTableUtils::cellValue(filtered(), 1, 2).IsValid());
  const int filteredBefore = m_filteredChanges;

  setValue(3, "Length", 33.0);
  EXPECT_EQ(filtered()->GetValue(0, 1).ToDouble(), 33.0);
  EXPECT_EQ(m_unfilteredChanges, 1);
  EXPECT_EQ(m_filteredChanges, filteredBefore + 1);
  setValue(4, "Width", 44.0);
  EXPECT_EQ(filtered()->GetValue(1, 2).ToDouble(), 44.0);

  setValue(3, "Mass", 100.0);
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 4, 5 }));
  EXPECT_EQ(m_pipeline->violatedVariables(3).size(), 1u);
  setValue(2, "Mass", 6.5);
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 2, 4, 5 }));
  setValue(5, "Mass", Variant::null());
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 2, 4 }));

  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 3, 4, 5 }));
  EXPECT_TRUE(m_pipeline->violatedVariables(3).empty());
}

TEST_F(PipelineTest, StructuralChangesRebuildRowsColumnsAndFilters)
{
  auto width = boost::make_shared<RangeFilter>(Project::project().variable("Width"), 0.0, 35.0);
  m_pipeline->addFilter(width);
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 1, 2, 3 }));
  const int setChanges = m_filterSetChanges;
  eraseVariables({ "Width" });
  EXPECT_TRUE(m_pipeline->filters().empty());
  EXPECT_EQ(m_filterSetChanges, setChanges + 1);
  EXPECT_EQ(unfiltered()->GetNumberOfColumns(), 6);
  EXPECT_EQ(filteredCases().size(), 5u);

  eraseCases({ 1, 4 });
  EXPECT_EQ(unfiltered()->GetNumberOfRows(), 3);
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  EXPECT_EQ(m_pipeline->filters().size(), 1u);
  EXPECT_EQ(filteredCases(), (std::vector<uint64_t>{ 1, 2, 3 }));

  loadStudyProject();
  EXPECT_EQ(m_pipeline->allFilters().size(), 0u);
}

TEST_F(PipelineTest, SelectionMaskFollowsTheSelectionBeforeItAnnouncesTheChange)
{
  m_pipeline->addFilter(
    boost::make_shared<RangeFilter>(Project::project().variable("Count"), 4.0, 6.0));
  filtered();
  std::vector<int> filteredBitsSeen;
  auto observer =
    vtkSmartPointer<vtkVnCommandProxy>::Take(vtkVnCommandProxy::New(vtkVnCommandProxy::Callback(
      [&]
      {
        vtkTable* table = filtered();
        for (vtkIdType row = 0; row < table->GetNumberOfRows(); ++row)
          filteredBitsSeen.push_back(table->GetValue(row, 6).ToInt());
      })));
  m_pipeline->selectionMask()->AddObserver(vtkCommand::ModifiedEvent, observer);

  m_selection->setSelection({ 1, 3, 42 });
  vtkBitArray* mask = m_pipeline->selectionMask();
  ASSERT_EQ(mask->GetNumberOfValues(), 5);
  EXPECT_EQ(mask->GetValue(0), 1);
  EXPECT_EQ(mask->GetValue(1), 0);
  EXPECT_EQ(mask->GetValue(2), 1);
  EXPECT_EQ(filteredBitsSeen, (std::vector<int>{ 0, 1, 0 }));

  eraseCases({ 1 });
  EXPECT_EQ(mask->GetNumberOfValues(), 4);
  EXPECT_EQ(mask->GetValue(1), 1);
}
