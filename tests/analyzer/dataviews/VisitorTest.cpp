#include "tests/analyzer/dataviews/TestViews.h"

#include "analyzer/dataviews/ResetViewVisitor.h"
#include "analyzer/dataviews/ViewResetRelevancy.h"
#include "tests/support/QtMessageGuard.h"

#include <gtest/gtest.h>

namespace
{

class FittingChart : public testviews::StubChart
{
public:
  int fits = 0;
  int renders = 0;
  void fitData() override { ++fits; }
  void render() override { ++renders; }
};

} // namespace

TEST(Visitors, OnlyChartsCanBeResetAndOnlySharedViewsVisited)
{
  auto table = boost::make_shared<testviews::TestTableView>();
  ViewResetRelevancy tableRelevancy;
  table->accept(tableRelevancy);
  EXPECT_FALSE(tableRelevancy.viewCanReset());

  FittingChart chart;
  ViewResetRelevancy chartRelevancy;
  chart.accept(chartRelevancy);
  EXPECT_TRUE(chartRelevancy.viewCanReset());

  ResetViewVisitor reset;
  chart.accept(reset);
  EXPECT_EQ(chart.fits, 1);
  EXPECT_EQ(chart.renders, 0) << "a 2D chart renders through its own reaction to the fit";

  testsupport::ExpectedMessage unhandled("does not handle");
  table->accept(reset);
  EXPECT_EQ(unhandled.count(), 1);

  testviews::TestTableView unshared;
  EXPECT_THROW(unshared.accept(tableRelevancy), boost::bad_weak_ptr)
    << "a view not owned by a shared pointer cannot be visited";
}
