#include "tests/analyzer/dataviews/line/LineTables.h"

#include "analyzer/dataviews/line/DerivedDataPlotBuilder.h"
#include "analyzer/dataviews/line/RawDataPlotBuilder.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "analyzer/dataviews/line/SparseLabelsLinePlot.h"
#include "host/charts/SpatialVariableProperty2D.h"

#include <boost/make_shared.hpp>
#include <cmath>
#include <vtkAlgorithm.h>
#include <vtkPen.h>
#include <vtkPlotLine.h>
#include <vtkTrivialProducer.h>

namespace
{

/// Cases 1..5 with x 3, 1, 2, 5, 4, y holding a NaN for case 4, and groups 1, 2, 1, 1, 2.
class PlotBuilderTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadLineVariables({ "x", "y", "group" });
    table = caseTable(5);
    addReals(table, "x", { 3, 1, 2, 5, 4 });
    addReals(table, "y", { 30, 10, 20, std::nan(""), 40 });
    addReals(table, "group", { 1, 2, 1, 1, 2 });
    source->SetOutput(table);
  }

  template<class Builder>
  std::unique_ptr<Builder> builder(boost::shared_ptr<SolidLineColorAssigner> color)
  {
    auto result = std::make_unique<Builder>(source.Get(), color);
    result->xVar()->setValue(lineVariable("x"));
    result->yVar()->setValue(lineVariable("y"));
    result->sortBy()->setValue(lineVariable("x"));
    result->colorVar()->setValue(lineVariable("group"));
    return result;
  }

  static void update(PlotBuilderAbstract& builder)
  {
    builder.outputAlgorithm()->Update();
    builder.rebuildPlots();
  }

  vtkSmartPointer<vtkTable> table;
  vtkNew<vtkTrivialProducer> source;
  boost::shared_ptr<SolidLineColorAssigner> color = boost::make_shared<SolidLineColorAssigner>();
};

} // namespace

TEST_F(PlotBuilderTest, DrawsTheValidCasesSortedAsOneSolidLine)
{
  auto raw = builder<RawDataPlotBuilder>(color);
  update(*raw);
  ASSERT_EQ(raw->plots().size(), 1u);
  vtkPlot* plot = raw->plots()[0];
  EXPECT_TRUE(vtkPlotLine::SafeDownCast(plot));
  EXPECT_EQ(caseIds(plot->GetInput()), (std::vector<uint64_t>{ 2, 3, 1, 5 }));
  EXPECT_EQ(plot->GetPen()->GetLineType(), vtkPen::SOLID_LINE);
  unsigned char rgb[3];
  plot->GetColor(rgb);
  EXPECT_EQ(rgb[0], 255);

  raw->lineType()->setValue(PlotBuilderAbstract::Dotted);
  raw->rebuildPlots();
  EXPECT_EQ(raw->plots()[0]->GetPen()->GetLineType(), vtkPen::DOT_LINE);
  // Not a named line type, yet within the enumeration's range (reading 7 would be undefined).
  raw->lineType()->setValue(static_cast<PlotBuilderAbstract::LineType>(3));
  raw->rebuildPlots();
  EXPECT_EQ(raw->plots()[0]->GetPen()->GetLineType(), vtkPen::NO_PEN);
}

TEST_F(PlotBuilderTest, GroupsBecomeLinesAndSingleCasesPoints)
{
  auto raw = builder<RawDataPlotBuilder>(color);
  raw->colorByData()->setValue(true);
  table->GetColumnByName("group")->SetVariantValue(1, 3.0);
  table->Modified();
  update(*raw);
  ASSERT_EQ(raw->plots().size(), 3u);
  EXPECT_EQ(caseIds(raw->plots()[0]->GetInput()), (std::vector<uint64_t>{ 3, 1 }));
  EXPECT_TRUE(vtkPlotLine::SafeDownCast(raw->plots()[0]));
  EXPECT_FALSE(vtkPlotLine::SafeDownCast(raw->plots()[1]));
  EXPECT_FALSE(vtkPlotLine::SafeDownCast(raw->plots()[2]));

  raw->showLines()->setValue(false);
  raw->rebuildPlots();
  EXPECT_FALSE(vtkPlotLine::SafeDownCast(raw->plots()[0]));

  // The grouping variable counts for valid rows only while grouping is on.
  table->GetColumnByName("group")->SetVariantValue(0, std::nan(""));
  raw->colorByData()->setValue(false);
  update(*raw);
  EXPECT_EQ(caseIds(raw->plots()[0]->GetInput()).size(), 4u);
}

TEST_F(PlotBuilderTest, DerivedLinesAreDashedWithSparseMarkersWhenSymbolsAreGrouped)
{
  auto derived = builder<DerivedDataPlotBuilder>(color);
  update(*derived);
  EXPECT_EQ(derived->plots()[0]->GetPen()->GetLineType(), vtkPen::DASH_LINE);
  EXPECT_FALSE(SparseLabelsLinePlot::SafeDownCast(derived->plots()[0]));
  derived->symbolByData()->setValue(true);
  derived->symbolVar()->setValue(lineVariable("group"));
  update(*derived);
  ASSERT_EQ(derived->plots().size(), 2u);
  EXPECT_TRUE(SparseLabelsLinePlot::SafeDownCast(derived->plots()[1]));
}
