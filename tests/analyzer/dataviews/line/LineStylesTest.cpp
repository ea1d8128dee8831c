#include "tests/analyzer/dataviews/line/LineTables.h"

#include "analyzer/dataviews/line/AutoSequencedValueLineStyleAssigner.h"
#include "analyzer/dataviews/line/ColorByLegend.h"
#include "analyzer/dataviews/line/SymbolByLegend.h"
#include "host/charts/ChartXY.h"
#include "property/PropertyInstantiations.h"

#include <boost/make_shared.hpp>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkPlotLine.h>

namespace
{

const std::vector<unsigned long> lineColors = { 0xFF0000,
  0xFFA800,
  0x66CC33,
  0x05E0DB,
  0x0000FF,
  0x94147C };

unsigned long packedColor(vtkPlot* plot)
{
  unsigned char rgb[3];
  plot->GetColor(rgb);
  return (unsigned long)rgb[0] << 16 | (unsigned long)rgb[1] << 8 | rgb[2];
}

void setPackedColor(vtkPlot* plot, unsigned long rgb)
{
  plot->SetColor((unsigned char)(rgb >> 16 & 0xFF),
    (unsigned char)(rgb >> 8 & 0xFF),
    (unsigned char)(rgb & 0xFF),
    255);
}

/// One line per group, each of one row holding the group's colour and symbol values.
std::vector<vtkSmartPointer<vtkPlot>> groupPlots(
  const std::vector<std::pair<const char*, const char*>>& groups)
{
  std::vector<vtkSmartPointer<vtkPlot>> plots;
  for (const auto& group : groups)
  {
    auto table = caseTable(1);
    if (group.first)
      addTexts(table, "Mode", { group.first });
    addTexts(table, "Run", { group.second });
    auto plot = vtkSmartPointer<vtkPlotLine>::New();
    plot->SetInputData(table);
    plots.push_back(plot);
  }
  return plots;
}

std::vector<unsigned long> colorsOf(const std::vector<vtkSmartPointer<vtkPlot>>& plots)
{
  std::vector<unsigned long> colors;
  for (const auto& plot : plots)
    colors.push_back(packedColor(plot));
  return colors;
}

} // namespace

TEST(LineStyles, ColoursChangeWhereTheGroupValueChangesAndCycle)
{
  AutoSequencedValueLineStyleAssigner<unsigned long> colors("Mode", lineColors, setPackedColor);
  auto seven = groupPlots(
    { { "a", "" }, { "b", "" }, { "c", "" }, { "d", "" }, { "e", "" }, { "f", "" }, { "g", "" } });
  colors.assign(seven);
  EXPECT_EQ(colorsOf(seven),
    (std::vector<unsigned long>{
      0xFF0000, 0xFFA800, 0x66CC33, 0x05E0DB, 0x0000FF, 0x94147C, 0xFF0000 }));

  // Each assignment starts the sequence again; a plot without the column keeps the style
  // before it, and leading ones take the first.
  auto repeated =
    groupPlots({ { nullptr, "" }, { "A", "" }, { "A", "" }, { nullptr, "" }, { "B", "" } });
  colors.assign(repeated);
  EXPECT_EQ(colorsOf(repeated),
    (std::vector<unsigned long>{ 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFFA800 }));

  EXPECT_THROW(AutoSequencedValueLineStyleAssigner<int>("Run", {}, {}), std::invalid_argument);
}

TEST(LineStyles, MarkersCycleWithinEachColourGroup)
{
  AutoSequencedValueLineStyleAssigner<int> markers("Run",
    { 2, 3, 1, 4, 5 },
    [](vtkPlot* plot, int style) { vtkPlotPoints::SafeDownCast(plot)->SetMarkerStyle(style); });
  auto plots = groupPlots({ { "A", "1" }, { "A", "2" }, { "B", "1" }, { "B", "2" } });
  markers.assign(plots);
  std::vector<int> styles;
  for (const auto& plot : plots)
    styles.push_back(vtkPlotPoints::SafeDownCast(plot)->GetMarkerStyle());
  EXPECT_EQ(styles, (std::vector<int>{ 2, 3, 1, 4 }));
}

TEST(LineLegends, EntriesAreTheDistinctGroupValuesInOrderWithTheFirstPlotsStyle)
{
  loadLineVariables({ "Mode", "Run" });
  vtkNew<vtkContextView> view;
  auto chart = vtkSmartPointer<ChartXY>::New();
  view->GetScene()->AddItem(chart);
  vtkNew<ColorByLegend> colorLegend;
  vtkNew<SymbolByLegend> symbolLegend;
  colorLegend->setVariable(boost::make_shared<vantor::Property<VariablePtr>>(lineVariable("Mode")));
  symbolLegend->setVariable(boost::make_shared<vantor::Property<VariablePtr>>(lineVariable("Run")));
  chart->addLegend(colorLegend);
  chart->addLegend(symbolLegend);
  auto plots = groupPlots({ { "B", "2" }, { "A", "1" }, { "B", "1" }, { nullptr, "3" } });
  AutoSequencedValueLineStyleAssigner<unsigned long>("Mode", lineColors, setPackedColor)
    .assign(plots);
  vtkPlotPoints::SafeDownCast(plots[1])->SetMarkerStyle(3);
  for (const auto& plot : plots)
    chart->AddPlot(plot);

  colorLegend->updateEntries();
  ASSERT_EQ(colorLegend->entries().size(), 2u);
  EXPECT_EQ(colorLegend->entries()[0].label, "A");
  EXPECT_EQ(colorLegend->entries()[0].color[1], 0xA8);
  EXPECT_EQ(colorLegend->entries()[1].label, "B");
  EXPECT_EQ(colorLegend->entries()[1].color[0], 0xFF);
  EXPECT_EQ(colorLegend->entries()[1].color[1], 0x00);

  symbolLegend->updateEntries();
  ASSERT_EQ(symbolLegend->entries().size(), 3u);
  EXPECT_EQ(symbolLegend->entries()[0].label, "1");
  EXPECT_EQ(symbolLegend->entries()[0].marker, 3);
  EXPECT_EQ(symbolLegend->entries()[2].label, "3");

  chart->ClearPlots();
  colorLegend->updateEntries();
  EXPECT_TRUE(colorLegend->entries().empty());
}
