#include "host/pipeline/FilterRangeFinder.h"
#include "host/pipeline/FilterType.h"
#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"
#include "tests/host/project/StudyProject.h"

#include <gtest/gtest.h>

namespace
{

std::vector<unsigned char> passes(const FilterAbstract& filter, const std::string& variable)
{
  std::vector<unsigned char> pass;
  filter.evaluate(studyVariable(variable)->column(), pass);
  return pass;
}

} // namespace

TEST(Filters, EvaluateEachKindOfColumnAndLeaveSpecialValuesOutOfRanges)
{
  loadStudyProject();
  const RangeFilter mass(Project::project().variable("Mass"), 5.0, 8.0);
  EXPECT_EQ(passes(mass, "Mass"), (std::vector<unsigned char>{ 1, 0, 1, 1, 0 }));
  const RangeFilter width(Project::project().variable("Width"), 0.0, 100.0);
  EXPECT_EQ(passes(width, "Width"), (std::vector<unsigned char>{ 1, 1, 1, 0, 1 }));
  const RangeFilter count(Project::project().variable("Count"), 4.0, 5.0);
  EXPECT_EQ(passes(count, "Count"), (std::vector<unsigned char>{ 0, 1, 1, 0, 0 }));

  const ValueFilter counts(Project::project().variable("Count"),
    { { 3.0, true }, { 7, false }, { Variant::null(), true } });
  EXPECT_EQ(passes(counts, "Count"), (std::vector<unsigned char>{ 1, 0, 0, 0, 0 }));
  const ValueFilter materials(
    Project::project().variable("Material"), { { "glass", true }, { Variant::null(), true } });
  EXPECT_EQ(passes(materials, "Material"), (std::vector<unsigned char>{ 0, 0, 0, 1, 1 }));
  EXPECT_TRUE(materials.passes(studyVariable("Material")->column(), 4));
}

TEST(Filters, ReportTheirRangeAndAnnounceEveryChangeOnce)
{
  loadStudyProject();
  RangeFilter range(Project::project().variable("Length"), 2.0, 8.0);
  const ValueFilter values(Project::project().variable("Mass"),
    { { 9.0, true }, { 5.0, true }, { 100.0, false }, { "x", true } });
  const ValueFilter none(Project::project().variable("Width"), { { 10.0, false } });
  EXPECT_EQ(getFilterType(range), 0);
  EXPECT_EQ(getFilterType(values), 1);
  EXPECT_EQ(FilterRangeFinder(range).range(), std::make_pair(2.0, 8.0));
  EXPECT_EQ(FilterRangeFinder(values).range(), std::make_pair(5.0, 9.0));
  EXPECT_EQ(FilterRangeFinder(none).range(), std::make_pair(10.0, 50.0));
  EXPECT_TRUE(range.isIndependent());
  EXPECT_FALSE(values.isIndependent());

  int changes = 0;
  range.signalChanged.connect([&] { ++changes; });
  range.setRange(2.0, 8.0);
  range.setEnabled(true);
  EXPECT_EQ(changes, 0) << "setting the same condition is no change";
  range.setRange(1.0, 3.0);
  range.setEnabled(false);
  EXPECT_EQ(changes, 2);
}
