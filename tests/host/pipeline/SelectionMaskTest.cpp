#include "host/pipeline/SelectionMask.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

void loadCases(const std::vector<uint64_t>& caseIds)
{
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  for (uint64_t caseId : caseIds)
    contents.addRecord(caseId, { Variant(1.0) });
  Project::project().assign(std::move(contents));
}

std::vector<int> bits(const vtkBitArray& mask)
{
  std::vector<int> values;
  for (vtkIdType row = 0; row < mask.GetNumberOfValues(); ++row)
    values.push_back(mask.GetValue(row));
  return values;
}

} // namespace

// Case ids numbered in row order, dense but shuffled over the rows, and sparse beyond 2^53 are
// found by different means; each must set exactly the rows of the known cases, and a new
// selection must clear the bits of the old one.
TEST(SelectionMask, SetsTheRowsOfKnownCasesHoweverTheIdsLie)
{
  const uint64_t beyondDouble = (uint64_t(1) << 53) + 1;
  const uint64_t top = (uint64_t(1) << 63) + 5;
  struct Layout
  {
    std::vector<uint64_t> ids;
    std::set<uint64_t> selected;
    std::vector<int> expected;
  };
  const std::vector<Layout> layouts = {
    { { 1, 2, 3, 4, 5, 6 }, { 0, 2, 5, 9 }, { 0, 1, 0, 0, 1, 0 } },
    { { 5, 3, 1, 2, 4, 7 }, { 1, 4, 6, 7 }, { 0, 0, 1, 0, 1, 1 } },
    { { 9, beyondDouble, 7, top }, { beyondDouble - 1, beyondDouble, top }, { 0, 1, 0, 1 } },
  };
  for (const Layout& layout : layouts)
  {
    loadCases(layout.ids);
    SelectionMask mask;
    mask.select({ layout.ids.front() }, Project::project());
    mask.select(layout.selected, Project::project());
    EXPECT_EQ(bits(*mask.unfiltered()), layout.expected) << "first id " << layout.ids.front();

    mask.forgetRows();
    mask.select({}, Project::project());
    EXPECT_EQ(bits(*mask.unfiltered()), std::vector<int>(layout.ids.size(), 0));
  }
}
