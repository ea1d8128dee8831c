#include "tests/analyzer/dataviews/TestViews.h"

#include "analyzer/dataviews/ResetViewVisitor.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ViewResetRelevancy.h"
#include "tests/support/QtMessageGuard.h"

#include <gtest/gtest.h>
#include <vtkRenderWindow.h>

namespace
{

// Only what the visitors touch; every other operation is unreachable here.
class FittingChart : public virtual ScatterPlot2DInterface
{
public:
  int fits = 0;
  int renders = 0;
  void fitData() override { ++fits; }
  void render() override { ++renders; }
  void suspend() override {}
  void resume() override {}
  std::string title() const override { return "Chart"; }
  SerializerInterface& serializer() override { return m_serializer; }
  void adjustSelectionForMouseClickAtPoint() override {}
  void accept(DataViewVisitorInterface& visitor) override
  {
    visitor.visit(boost::shared_ptr<ScatterPlot2DInterface>(this, [](void*) {}));
  }
  std::string domName() const override { return "Scatter2DView"; }
  PropertyPtr<MouseMode> mouseMode() override { return nullptr; }
  PropertyPtr<VariablePtr> xVar() override { return nullptr; }
  PropertyPtr<VariablePtr> yVar() override { return nullptr; }
  PropertyPtr<float> scalingFactor() override { return nullptr; }
  PropertyPtr<VariablePtr> colorVar() override { return nullptr; }
  PropertyPtr<QColor> color() override { return nullptr; }
  PropertyPtr<Coloring_e> coloringType() override { return nullptr; }
  boost::shared_ptr<ColorLegend> legend() override { return nullptr; }
  vtkSmartPointer<vtkRenderWindow> renderWindow() override { return nullptr; }
  AxisDetailsList axisDetails() override { return {}; }
  void setSelectionColor(const QColor&) override {}

private:
  Serializer m_serializer{ "Scatter2DView" };
};

} // namespace

TEST(Visitors, OnlyChartsCanBeReset)
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
}

TEST(Visitors, AViewNotOwnedBySharedPointerCannotBeVisited)
{
  testviews::TestTableView table;
  ViewResetRelevancy relevancy;
  EXPECT_THROW(table.accept(relevancy), boost::bad_weak_ptr);
}
