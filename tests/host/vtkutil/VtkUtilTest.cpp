#include "host/vtkutil/RecordTableUtils.h"
#include "host/vtkutil/vtkNanNullValueArray.h"
#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"
#include "host/vtkutil/vtkVariantVariableValueLessThan.h"
#include "host/vtkutil/vtkVnCommandProxy.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkStringArray.h>
#include <vtkTable.h>
#include <vtkTableAlgorithm.h>
#include <vtkVariantArray.h>

namespace
{

vtkSmartPointer<vtkVariantArray> variants(const char* name, std::vector<vtkVariant> values)
{
  auto array = vtkSmartPointer<vtkVariantArray>::New();
  array->SetName(name);
  for (const auto& value : values)
    array->InsertNextValue(value);
  return array;
}

std::vector<std::string> texts(const std::vector<vtkVariant>& values)
{
  std::vector<std::string> result;
  for (const auto& value : values)
    result.push_back(value.IsValid() ? value.ToString() : "<null>");
  return result;
}

} // namespace

TEST(vtkVnCommandProxy, CallsItsCallbackForEachObservedEvent)
{
  int calls = 0;
  unsigned long lastEvent = 0;
  vtkNew<vtkTable> table;
  auto plain = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([&] { ++calls; })));
  auto detailed = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::EventCallback(
      [&](vtkObject*, unsigned long id, void*) { lastEvent = id; })));
  const unsigned long tag = table->AddObserver(vtkCommand::ModifiedEvent, plain);
  table->AddObserver(vtkCommand::ModifiedEvent, detailed);
  table->Modified();
  table->RemoveObserver(tag);
  table->Modified();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(lastEvent, vtkCommand::ModifiedEvent);
  plain->setCallback(vtkVnCommandProxy::Callback());
  plain->Execute(nullptr, 0, nullptr);
}

TEST(vtkVariantToNumericAlgorithm, ConvertsVariantColumnsAndPassesTypedOnes)
{
  vtkNew<vtkTable> input;
  input->AddColumn(variants("ids", { 1, 2, 3 }));
  input->AddColumn(variants("numbers", { vtkVariant("2.5"), vtkVariant("NaN"), vtkVariant() }));
  input->AddColumn(variants("labels", { vtkVariant("A"), vtkVariant(2), vtkVariant("NULL") }));
  vtkNew<vtkDoubleArray> reals;
  reals->SetName("reals");
  reals->SetNumberOfValues(3);
  input->AddColumn(reals);
  vtkNew<vtkNanNullIdTypeArray> counts;
  counts->SetName("counts");
  counts->SetNumberOfValues(3);
  counts->SetValue(0, 4);
  counts->setSpecial(1, vtkNanNullIdTypeArray::NaN);
  counts->setSpecial(2, vtkNanNullIdTypeArray::Null);
  input->AddColumn(counts);

  vtkNew<vtkVariantToNumericAlgorithm> algorithm;
  algorithm->SetInputData(input);
  algorithm->Update();
  vtkTable* output = algorithm->GetOutput();
  ASSERT_EQ(output->GetNumberOfColumns(), 5);
  auto* ids = vtkDoubleArray::SafeDownCast(output->GetColumn(0));
  ASSERT_TRUE(ids);
  EXPECT_EQ(ids->GetValue(2), 3.0);
  auto* numbers = vtkDoubleArray::SafeDownCast(output->GetColumn(1));
  ASSERT_TRUE(numbers);
  EXPECT_EQ(numbers->GetValue(0), 2.5);
  EXPECT_TRUE(std::isnan(numbers->GetValue(1)));
  EXPECT_TRUE(std::isnan(numbers->GetValue(2)));
  auto* labels = vtkStringArray::SafeDownCast(output->GetColumn(2));
  ASSERT_TRUE(labels);
  EXPECT_EQ(labels->GetValue(0), "A");
  EXPECT_STREQ(labels->GetName(), "labels");
  EXPECT_EQ(output->GetColumn(3), reals.Get());
  auto* converted = vtkDoubleArray::SafeDownCast(output->GetColumn(4));
  ASSERT_TRUE(converted);
  EXPECT_FALSE(vtkNanNullIdTypeArray::SafeDownCast(converted));
  EXPECT_STREQ(converted->GetName(), "counts");
  EXPECT_EQ(converted->GetValue(0), 4.0);
  EXPECT_TRUE(std::isnan(converted->GetValue(1)));
  EXPECT_TRUE(std::isnan(converted->GetValue(2)));
}

TEST(vtkNanNullValueArray, KeepsSpecialRowsThroughCopiesAndNewInstances)
{
  vtkNew<vtkNanNullDoubleArray> array;
  array->SetNumberOfValues(3);
  array->SetValue(0, 1.5);
  array->setSpecial(1, vtkNanNullDoubleArray::Null);
  array->setSpecial(2, vtkNanNullDoubleArray::NaN);
  EXPECT_FALSE(array->GetVariantValue(1).IsValid());
  EXPECT_TRUE(std::isnan(array->GetVariantValue(2).ToDouble()));
  EXPECT_EQ(array->GetVariantValue(0).ToDouble(), 1.5);

  array->setWithoutInfinities(true);
  EXPECT_FALSE(array->knownFinite()) << "special rows are not finite";

  auto copy = vtkSmartPointer<vtkDataArray>::Take(array->NewInstance());
  auto* typedCopy = vtkNanNullDoubleArray::SafeDownCast(copy);
  ASSERT_TRUE(typedCopy);
  EXPECT_FALSE(typedCopy->withoutInfinities()) << "a new array vouches for nothing";
  copy->DeepCopy(array);
  EXPECT_FALSE(copy->GetVariantValue(1).IsValid());
  EXPECT_TRUE(vtkArrayDownCast<vtkDoubleArray>(copy.Get()));

  array->setSpecial(1, vtkNanNullDoubleArray::None);
  array->setSpecial(2, vtkNanNullDoubleArray::None);
  EXPECT_FALSE(array->hasSpecialValues());
  copy->DeepCopy(array);
  EXPECT_TRUE(copy->GetVariantValue(1).IsValid());
  EXPECT_TRUE(typedCopy->knownFinite());
  copy->Initialize();
  EXPECT_FALSE(typedCopy->withoutInfinities());
}

TEST(vtkVariantVariableValueLessThan, OrdersNumbersTextAndSpecialValues)
{
  const std::vector<vtkVariant> values = { vtkVariant("NULL"),
    vtkVariant("10"),
    vtkVariant("b"),
    vtkVariant("NaN"),
    vtkVariant(2.5),
    vtkVariant(""),
    vtkVariant("a"),
    vtkVariant(-1) };
  auto last = values;
  std::stable_sort(last.begin(), last.end(), vtkVariantVariableValueLessThan(false));
  EXPECT_EQ(
    texts(last), (std::vector<std::string>{ "-1", "2.5", "10", "a", "b", "NaN", "NULL", "" }));
  auto first = values;
  std::stable_sort(first.begin(), first.end(), vtkVariantVariableValueLessThan(true));
  EXPECT_EQ(
    texts(first), (std::vector<std::string>{ "NULL", "", "NaN", "-1", "2.5", "10", "a", "b" }));
}

TEST(RecordTableUtils, ReadsCaseIdentifiersFromColumnZero)
{
  vtkNew<vtkTable> table;
  EXPECT_TRUE(RecordTableUtils::caseIDs(table).empty());
  EXPECT_EQ(RecordTableUtils::caseIDAtRow(table, 0), 0u);
  vtkNew<vtkIdTypeArray> ids;
  ids->SetName("Case ID");
  for (vtkIdType id : { 7, 3, 9 })
    ids->InsertNextValue(id);
  table->AddColumn(ids);
  EXPECT_EQ(RecordTableUtils::caseIDs(table), (std::vector<uint64_t>{ 7, 3, 9 }));
  EXPECT_EQ(RecordTableUtils::caseIDAtRow(table, 1), 3u);
  EXPECT_EQ(RecordTableUtils::caseIDAtRow(table, 3), 0u);

  vtkNew<vtkTable> converted;
  converted->AddColumn(variants("Case ID", { 12.0, 13.0 }));
  EXPECT_EQ(RecordTableUtils::caseIDs(converted), (std::vector<uint64_t>{ 12, 13 }));
  EXPECT_EQ(RecordTableUtils::cellValue(converted, 1, 0).ToInt(), 13);
}
