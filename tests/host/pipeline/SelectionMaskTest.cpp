#include "host/pipeline/SelectionMask.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace
{

void loadCases(const std::vector<uint64_t>& rowIds)
{
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  for (uint64_t caseId : rowIds)
    contents.addRecord(caseId, { 1.0 });
  Project::project().assign(std::move(contents));
}

std::vector<int> bitsOf(vtkBitArray* mask)
{
  std::vector<int> bits;
  for (vtkIdType row = 0; row < mask->GetNumberOfValues(); ++row)
    bits.push_back(mask->GetValue(row));
  return bits;
}

} // namespace

TEST(SelectionMask, FindsTheRowsOfNumberedCloseAndScatteredIds)
{
  struct Layout
  {
    const char* what;
    std::vector<uint64_t> rowIds;
  };
  const uint64_t largest = std::numeric_limits<uint64_t>::max();
  for (const Layout& layout : { Layout{ "numbered in row order", { 7, 8, 9, 10, 11 } },
         Layout{ "close, out of order, with gaps", { 9, 7, 12, 8, 14 } },
         Layout{ "scattered", { largest, 3, 1000000, 7, 12 } } })
  {
    SCOPED_TRACE(layout.what);
    const std::vector<uint64_t>& ids = layout.rowIds;
    loadCases(ids);
    // The cases of rows 1, 3 and 4 among ids no case has, below, between and above them.
    std::vector<uint64_t> wanted = { ids[1], ids[3], ids[4], 999 };
    for (uint64_t caseId = 0; caseId < 20; ++caseId)
      if (std::find(ids.begin(), ids.end(), caseId) == ids.end())
        wanted.push_back(caseId);
    std::sort(wanted.begin(), wanted.end());

    SelectionMask mask;
    mask.select(wanted, Project::project());
    EXPECT_EQ(bitsOf(mask.unfiltered()), (std::vector<int>{ 0, 1, 0, 1, 1 }));
    mask.select({ ids[0] }, Project::project());
    EXPECT_EQ(bitsOf(mask.unfiltered()), (std::vector<int>{ 1, 0, 0, 0, 0 }))
      << "the bits of the larger selection are cleared";
    mask.follow({ 0, 2, 4 });
    EXPECT_EQ(bitsOf(mask.filtered()), (std::vector<int>{ 1, 0, 0 }));
    mask.select({}, Project::project());
    EXPECT_EQ(bitsOf(mask.unfiltered()), (std::vector<int>(5, 0)));
  }
}
