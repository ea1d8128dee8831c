#include "tests/analyzer/dataviews/line/LineTables.h"

#include "analyzer/dataviews/line/ColumnKeys.h"
#include "analyzer/dataviews/line/SortTable.h"
#include "analyzer/dataviews/line/SplitTableByColumn.h"
#include "host/core/UndoStack.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "host/vtkutil/vtkNanNullValueArray.h"
#include "host/vtkutil/vtkVariantVariableValueLessThan.h"
#include "tests/support/QtMessageGuard.h"

#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <vtkIdTypeArray.h>
#include <vtkVariantArray.h>

namespace
{

const double notANumber = std::numeric_limits<double>::quiet_NaN();

vtkSmartPointer<vtkTable> sorted(vtkTable* input, const char* by)
{
  vtkNew<SortTable> sort;
  sort->SetInputData(input);
  sort->sortBy()->setValue(lineVariable(by));
  sort->Update();
  auto result = vtkSmartPointer<vtkTable>::New();
  result->ShallowCopy(sort->GetOutput());
  return result;
}

/// The order the algorithms keep, built from a vtkVariant per comparison: vtkVariant's order
/// with NaN placed right after the missing values.
bool referenceLess(const vtkVariant& a, const vtkVariant& b)
{
  auto rank = [](const vtkVariant& v)
  {
    if (!v.IsValid())
      return 0;
    return (v.IsDouble() || v.IsFloat()) && std::isnan(v.ToDouble()) ? 1 : 2;
  };
  if (rank(a) != rank(b))
    return rank(a) < rank(b);
  return rank(a) == 2 && a < b;
}

std::vector<vtkIdType> referenceOrder(vtkAbstractArray* column,
  const std::function<bool(const vtkVariant&, const vtkVariant&)>& less)
{
  std::vector<vtkIdType> rows(static_cast<std::size_t>(column->GetNumberOfTuples()));
  std::iota(rows.begin(), rows.end(), 0);
  std::stable_sort(rows.begin(),
    rows.end(),
    [&](vtkIdType a, vtkIdType b)
    { return less(column->GetVariantValue(a), column->GetVariantValue(b)); });
  return rows;
}

/// Few distinct values, so that ties are common, with NaN and NULL rows among them.
template<class Array>
vtkSmartPointer<Array> flaggedColumn(int rows, unsigned seed)
{
  std::mt19937 random(seed);
  auto column = vtkSmartPointer<Array>::New();
  column->SetNumberOfValues(rows);
  for (int row = 0; row < rows; ++row)
    column->SetValue(row, static_cast<typename Array::ValueType>(int(random() % 9) - 4));
  for (int row = 0; row < rows; row += 7)
    column->setSpecial(row, random() % 2 ? Array::Null : Array::NaN);
  return column;
}

} // namespace

TEST(SortTable, TypedOrderIsTheVariantOrderForEveryColumnKind)
{
  const int rows = 500;
  auto reals = flaggedColumn<vtkNanNullDoubleArray>(rows, 1);
  reals->SetValue(3, -0.0);
  reals->SetValue(4, 0.0);
  reals->SetValue(5, notANumber);
  auto integers = flaggedColumn<vtkNanNullIdTypeArray>(rows, 2);
  vtkNew<vtkTypeUInt64Array> unsignedIds;
  vtkNew<vtkStringArray> texts;
  vtkNew<vtkVariantArray> variants;
  std::mt19937 random(3);
  const char* words[] = { "", "b", "B", "a b", "10", "9", "ab" };
  for (int row = 0; row < rows; ++row)
  {
    unsignedIds->InsertNextValue(std::numeric_limits<uint64_t>::max() - random() % 5);
    texts->InsertNextValue(words[random() % 7]);
    variants->InsertNextValue(row % 11 == 0 ? vtkVariant() : vtkVariant(double(random() % 6)));
  }
  variants->SetValue(12, vtkVariant(notANumber));

  for (vtkAbstractArray* column :
    std::vector<vtkAbstractArray*>{ reals, integers, unsignedIds, texts, variants })
  {
    EXPECT_EQ(ColumnKeys(column).sortedRows(), referenceOrder(column, referenceLess))
      << column->GetClassName();
  }
  // On numbers, with NaN and missing values, it is the cell order of the tables too.
  const vtkVariantVariableValueLessThan cellOrder(true);
  for (vtkAbstractArray* column : std::vector<vtkAbstractArray*>{ reals, integers })
    EXPECT_EQ(ColumnKeys(column).sortedRows(), referenceOrder(column, cellOrder));
}

TEST(SortTable, KeepsNaNAndNullMarksWithTheirRows)
{
  loadLineVariables({ "x" });
  auto input = caseTable(4);
  vtkNew<vtkNanNullDoubleArray> x;
  x->SetName("x");
  for (double value : { 2.0, 1.0, notANumber, 0.0 })
    x->InsertNextValue(value);
  x->setSpecial(2, vtkNanNullDoubleArray::Null);
  x->setSpecial(3, vtkNanNullDoubleArray::NaN);
  input->AddColumn(x);

  auto output = sorted(input, "x");

  EXPECT_EQ(caseIds(output), (std::vector<uint64_t>{ 3, 4, 2, 1 }));
  EXPECT_FALSE(output->GetColumn(1)->GetVariantValue(0).IsValid());
  EXPECT_TRUE(std::isnan(output->GetColumn(1)->GetVariantValue(1).ToDouble()));
  EXPECT_EQ(output->GetColumn(1)->GetVariantValue(3).ToDouble(), 2.0);
}

TEST(SortTable, ReportsAMissingSortColumnAndRunsAgainWhenItsVariableChanges)
{
  loadLineVariables({ "x", "y", "absent" });
  UndoStack::clear();
  auto input = caseTable(3);
  addReals(input, "x", { 3, 2, 1 });
  addReals(input, "y", { 1, 3, 2 });
  vtkNew<SortTable> sort;
  sort->SetInputData(input);
  AlgorithmExecutionListener executions(sort);

  {
    testsupport::ExpectedMessage expected("Array to sort by does not exist in the input table.");
    testsupport::ExpectedMessage failed("returned failure for request");
    sort->Update();
    EXPECT_EQ(sort->lastError(), "Array to sort by does not exist in the input table.");
    EXPECT_EQ(sort->GetOutput()->GetNumberOfRows(), 0);
    sort->sortBy()->setValue(lineVariable("absent"));
    sort->Update();
    EXPECT_EQ(expected.count(), 2);
  }

  sort->sortBy()->setValue(lineVariable("x"));
  executions.reset();
  sort->Update();
  EXPECT_TRUE(executions.algorithmHasExecuted());
  EXPECT_TRUE(sort->lastError().empty());
  EXPECT_EQ(caseIds(sort->GetOutput()), (std::vector<uint64_t>{ 3, 2, 1 }));

  executions.reset();
  sort->sortBy()->setValue(lineVariable("x"));
  sort->Update();
  EXPECT_FALSE(executions.algorithmHasExecuted());

  sort->sortBy()->setValue(lineVariable("y"));
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), QStringLiteral("Change Sort By"));
  UndoStack::qUndoStack().undo();
  sort->Update();
  EXPECT_EQ(caseIds(sort->GetOutput()), (std::vector<uint64_t>{ 3, 2, 1 }));

  std::ostringstream printed;
  sort->Print(printed);
  EXPECT_NE(printed.str().find("Array To Sort By: x\n"), std::string::npos);
}

namespace
{

std::vector<vtkSmartPointer<vtkTable>> groupsOf(SplitTableByColumn* split)
{
  split->Update();
  return split->groupTables();
}

} // namespace

TEST(SplitTableByColumn, GroupsInKeyOrderSlotBySlotKeepingRowOrder)
{
  loadLineVariables({ "colour", "symbol" });
  auto input = caseTable(5);
  addTexts(input, "colour", { "B", "A", "A", "B", "A" });
  addTexts(input, "symbol", { "x", "y", "x", "x", "x" });
  vtkNew<SplitTableByColumn> split;
  split->SetInputData(input);
  split->groupData(0)->setValue(true);
  split->groupDataVariable(0)->setValue(lineVariable("colour"));
  split->groupData(1)->setValue(true);
  split->groupDataVariable(1)->setValue(lineVariable("symbol"));

  auto groups = groupsOf(split);

  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(caseIds(groups[0]), (std::vector<uint64_t>{ 3, 5 }));
  EXPECT_EQ(caseIds(groups[1]), (std::vector<uint64_t>{ 2 }));
  EXPECT_EQ(caseIds(groups[2]), (std::vector<uint64_t>{ 1, 4 }));
  EXPECT_EQ(groups[2]->GetNumberOfColumns(), 3);

  split->groupData(0)->setValue(false);
  groups = groupsOf(split);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(caseIds(groups[0]), (std::vector<uint64_t>{ 1, 3, 4, 5 }));

  std::ostringstream printed;
  split->Print(printed);
  EXPECT_NE(printed.str().find("Arrays To Split By: colour;symbol;;\n"), std::string::npos);
}

TEST(SplitTableByColumn, EmptyAndSingleRowInputsAndMissingColumns)
{
  loadLineVariables({ "colour", "absent" });
  vtkNew<SplitTableByColumn> split;
  auto empty = caseTable(0);
  addReals(empty, "colour", {});
  split->SetInputData(empty);
  EXPECT_TRUE(groupsOf(split).empty());
  split->groupData(0)->setValue(true);
  split->groupDataVariable(0)->setValue(lineVariable("colour"));
  EXPECT_TRUE(groupsOf(split).empty());

  auto single = caseTable(1);
  addReals(single, "colour", { 4 });
  split->SetInputData(single);
  split->groupData(0)->setValue(false);
  ASSERT_EQ(groupsOf(split).size(), 1u);
  EXPECT_EQ(caseIds(groupsOf(split)[0]), (std::vector<uint64_t>{ 1 }));

  split->groupData(0)->setValue(true);
  split->groupDataVariable(0)->setValue(lineVariable("absent"));
  testsupport::ExpectedMessage expected("Array to split by does not exist in the input table.");
  testsupport::ExpectedMessage failed("returned failure for request");
  EXPECT_TRUE(groupsOf(split).empty());
  EXPECT_EQ(split->lastError(), "Array to split by does not exist in the input table.");
  EXPECT_EQ(expected.count(), 1);
}

TEST(SplitTableByColumn, GroupsAsTheVariantKeyComparisonDoes)
{
  loadLineVariables({ "a", "b" });
  const int rows = 400;
  auto input = caseTable(rows);
  auto a = flaggedColumn<vtkNanNullIdTypeArray>(rows, 5);
  a->SetName("a");
  vtkNew<vtkDoubleArray> b;
  b->SetName("b");
  std::mt19937 random(6);
  for (int row = 0; row < rows; ++row)
    b->InsertNextValue(row % 13 == 0 ? -0.0 : double(random() % 4));
  input->AddColumn(a);
  input->AddColumn(b);
  vtkNew<SplitTableByColumn> split;
  split->SetInputData(input);
  for (int slot : { 0, 1 })
  {
    split->groupData(slot)->setValue(true);
    split->groupDataVariable(slot)->setValue(lineVariable(slot == 0 ? "a" : "b"));
  }

  // Slot by slot: the first position whose values differ decides, by the variant order.
  auto keyLess = [](const std::vector<vtkVariant>& x, const std::vector<vtkVariant>& y)
  {
    for (std::size_t i = 0; i < x.size(); ++i)
      if (referenceLess(x[i], y[i]) || referenceLess(y[i], x[i]))
        return referenceLess(x[i], y[i]);
    return false;
  };
  std::map<std::vector<vtkVariant>, std::vector<uint64_t>, decltype(keyLess)> expected(keyLess);
  for (vtkIdType row = 0; row < rows; ++row)
    expected[{ a->GetVariantValue(row), b->GetVariantValue(row) }].push_back(uint64_t(row + 1));

  const auto groups = groupsOf(split);
  ASSERT_EQ(groups.size(), expected.size());
  std::size_t index = 0;
  for (const auto& group : expected)
    EXPECT_EQ(caseIds(groups[index++]), group.second);
}
