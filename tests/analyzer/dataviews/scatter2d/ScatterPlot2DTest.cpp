#include "analyzer/dataviews/scatter2d/ScatterPlot2D.h"
#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/export/PNGExporter.h"
#include "analyzer/dataviews/scatter2d/ConstraintCategories.h"
#include "analyzer/dataviews/scatter2d/ConstraintColumnAdder.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/charts/ChartXYLocationTransformer.h"
#include "host/core/UndoStack.h"
#include "host/filesystem/FileInfo.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/RangeFilter.h"
#include "host/plotsupport/ColorLegend.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/analyzer/dataviews/table/TableFixture.h"
#include "tests/host/serialization/XmlText.h"
#include "tests/support/ProjectEdits.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWidget>
#include <array>
#include <boost/make_shared.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <vtkAxis.h>
#include <vtkChartLegend.h>
#include <vtkChartXY.h>
#include <vtkCommand.h>
#include <vtkIdTypeArray.h>
#include <vtkPlotPoints.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkStringArray.h>
#include <vtkTable.h>

namespace
{

/// Cases 1..4: x and y independent, m and n dependent, q neither, t text.
void loadCases()
{
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  contents.addVariable("y", Variable::Independent, ValueType::Real);
  contents.addVariable("m", Variable::Dependent, ValueType::Real);
  contents.addVariable("n", Variable::Dependent, ValueType::Real);
  contents.addVariable("q", Variable::Other, ValueType::Real);
  contents.addVariable("t", Variable::Other, ValueType::Text);
  contents.addRecord(1, { 1.0, 10.0, 5.0, 5.0, 0.0, "A" });
  contents.addRecord(2, { 2.0, 30.0, 50.0, 50.0, 0.0, "B" });
  contents.addRecord(3, { 3.0, 20.0, 50.0, 50.0, 0.0, "A" });
  contents.addRecord(4, { 4.0, 40.0, 50.0, 5.0, 9.0, "C" });
  Project::project().assign(std::move(contents));
}

VariablePtr variable(const char* name)
{
  return Project::project().variable(name);
}

class ScatterPlot2DTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadCases();
    UndoStack::clear();
    manager->setSelectionColor(QColor(255, 0, 255));
    manager->signalViewCreated.connect(
      [this](QWidget* widget, boost::shared_ptr<DataViewInterface>) { lastWidget = widget; });
  }

  void TearDown() override
  {
    UndoStack::clear();
    manager.reset();
  }

  boost::shared_ptr<ScatterPlot2D> addView()
  {
    auto view = boost::dynamic_pointer_cast<ScatterPlot2D>(manager->add2DScatterView());
    lastWidget->resize(400, 300);
    lastWidget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(lastWidget));
    view->render();
    return view;
  }

  /// Pixel position, from the bottom left, of the point (x, y) of the chart.
  static std::array<int, 2> pixelOf(ScatterPlot2D& view, double x, double y)
  {
    const vtkVector2d pixel =
      ChartXYLocationTransformer(*view.chart()).getPixelLocationFromWorldCoordinates({ x, y });
    return { int(std::lround(pixel[0])), int(std::lround(pixel[1])) };
  }

  /// A left-button drag as the window's interactor reports it, with Shift and Control held or not.
  static void drag(ScatterPlot2D& view,
    std::array<int, 2> from,
    std::array<int, 2> to,
    bool shift = false,
    bool control = false)
  {
    vtkRenderWindowInteractor* interactor = view.renderWindow()->GetInteractor();
    interactor->SetEventInformation(from[0], from[1], control, shift);
    interactor->InvokeEvent(vtkCommand::LeftButtonPressEvent);
    interactor->SetEventInformation(to[0], to[1], control, shift);
    interactor->InvokeEvent(vtkCommand::MouseMoveEvent);
    interactor->InvokeEvent(vtkCommand::LeftButtonReleaseEvent);
  }

  static std::map<uint64_t, int> categoriesOf(ScatterPlot2D& view)
  {
    std::map<uint64_t, int> result;
    vtkTable* table = view.pointTable();
    vtkAbstractArray* column = table->GetColumnByName(ConstraintColumnAdder::columnName);
    for (vtkIdType row = 0; column && row < table->GetNumberOfRows(); ++row)
      result[table->GetValue(row, 0).ToTypeUInt64()] = column->GetVariantValue(row).ToInt();
    return result;
  }

  boost::shared_ptr<SelectionModel> selection = boost::make_shared<SelectionModel>();
  boost::shared_ptr<DataPipelineManager> pipeline =
    boost::make_shared<DataPipelineManager>(selection);
  std::unique_ptr<DataViewManager> manager =
    std::make_unique<DataViewManager>(pipeline, nullptr, selection);
  QWidget* lastWidget = nullptr;
};

} // namespace

TEST_F(ScatterPlot2DTest, StartsOnTwoIndependentVariablesAndScalesItsMarkers)
{
  auto view = addView();
  EXPECT_EQ(view->title(), "2D Scatter Plot");
  EXPECT_EQ(view->xVar()->value(), variable("x"));
  EXPECT_EQ(view->yVar()->value(), variable("y"));
  EXPECT_EQ(view->colorVar()->value(), variable("m"));
  EXPECT_EQ(view->coloringType()->value(), ByVariable);
  EXPECT_EQ(view->color()->value(), QColor(80, 130, 230, 255));
  EXPECT_EQ(view->pointPlot()->GetMarkerSize(), 11.5f);

  view->scalingFactor()->setValue(2.0f);
  EXPECT_EQ(view->pointPlot()->GetMarkerSize(), 23.0f);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), QStringLiteral("Change Size"));
  UndoStack::qUndoStack().undo();
  EXPECT_EQ(view->pointPlot()->GetMarkerSize(), 11.5f);
}

TEST_F(ScatterPlot2DTest, RulesColourEveryCaseByTheFiltersItViolates)
{
  auto view = addView();
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("x"), 0.0, 2.5));
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("m"), 0.0, 10.0));
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("n"), 0.0, 10.0));
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("q"), 0.0, 1.0));
  EXPECT_EQ(view->pointTable()->GetNumberOfRows(), 1);

  view->coloringType()->setValue(ByRules);
  view->render();
  // Case 4 violates the filter of a variable of neither kind: not drawn.
  EXPECT_EQ(categoriesOf(*view), (std::map<uint64_t, int>{ { 1, 0 }, { 2, 3 }, { 3, 1 } }));

  EXPECT_TRUE(view->chart()->GetShowLegend());
  vtkStringArray* labels = view->pointPlot()->GetLabels();
  ASSERT_EQ(labels->GetNumberOfValues(), 4);
  for (vtkIdType i = 0; i < 4; ++i)
    EXPECT_EQ(labels->GetValue(i), ConstraintCategories::labels[std::size_t(i)]);
  EXPECT_EQ(
    ConstraintCategories::labels[1], std::string("Violates at least one Independent Filter"));

  view->coloringType()->setValue(SolidColor);
  view->render();
  EXPECT_FALSE(view->chart()->GetShowLegend());
  EXPECT_EQ(view->pointTable()->GetNumberOfRows(), 1);
}

TEST_F(ScatterPlot2DTest, ReadsTheOlderColourByDataSwitch)
{
  auto view = addView();
  view->coloringType()->setValue(SolidColor);
  testsupport::readXml(
    view->serializer(), "<Scatter2DView><ColorByData>1</ColorByData></Scatter2DView>");
  EXPECT_EQ(view->coloringType()->value(), ByVariable);

  view->coloringType()->setValue(ByRules);
  const std::string xml = testsupport::xmlText(view->serializer());
  EXPECT_NE(xml.find("<ColoringType>ByRules</ColoringType>"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("ColorByData"), std::string::npos);
  EXPECT_NE(xml.find("<FilterViolationLegendPosition>0,0<"), std::string::npos)
    << "the category legend was left in its strip";
  auto restored = addView();
  testsupport::readXml(restored->serializer(), xml);
  EXPECT_EQ(restored->coloringType()->value(), ByRules);

  // A legend saved where the user put it is shown there again.
  testsupport::readXml(restored->serializer(),
    "<Scatter2DView><FilterViolationLegendPosition>150,120</FilterViolationLegendPosition>"
    "</Scatter2DView>");
  restored->render();
  EXPECT_EQ(restored->chart()->GetLegend()->GetPoint()[0], 150.0f);
  EXPECT_EQ(restored->chart()->GetLegend()->GetPoint()[1], 120.0f);
  EXPECT_NE(testsupport::xmlText(restored->serializer()).find("150,120"), std::string::npos);
}

TEST_F(ScatterPlot2DTest, TextOnAnAxisOrRampDrawsNothingThereAndSaysWhy)
{
  auto view = addView();
  testsupport::readXml(view->serializer(),
    "<Scatter2DView><XVar>t</XVar><ColorVar>t</ColorVar>"
    "<ColoringType>ByRules</ColoringType></Scatter2DView>");
  view->render();
  vtkAxis* bottom = view->chart()->GetAxis(vtkAxis::BOTTOM);
  EXPECT_FALSE(view->pointPlot()->GetVisible());
  EXPECT_TRUE(bottom->GetVisible()) << "an empty chart still shows what it is of";
  EXPECT_EQ(bottom->GetTitle(), "t (text: not plotted)");
  view->coloringType()->setValue(ByVariable);
  view->fitData();
  view->render();
  EXPECT_FALSE(view->legend()->isShown()) << "text has no colour ramp";

  view->xVar()->setValue(variable("x"));
  view->render();
  EXPECT_TRUE(view->pointPlot()->GetVisible());
  EXPECT_EQ(bottom->GetTitle(), "x");
  EXPECT_EQ(view->pointTable()->GetNumberOfRows(), 4);
}

TEST_F(ScatterPlot2DTest, RemovedVariablesAreReplacedAndARemovedViewCatchesUpWhenRestored)
{
  auto view = addView();
  view->xVar()->setValue(variable("m"));
  testsupport::eraseVariables({ "m" });
  EXPECT_FALSE(view->xVar()->value().lock() == nullptr);
  EXPECT_NE(view->xVar()->value(), variable("m"));
  EXPECT_EQ(view->yVar()->value(), variable("y"));

  selection->setSelection({ 4 });
  ASSERT_EQ(view->pointPlot()->GetSelection()->GetValue(0), 3);
  manager->removeView(view);
  selection->setSelection({ 2 });
  EXPECT_EQ(view->pointPlot()->GetSelection()->GetValue(0), 3);
  UndoStack::qUndoStack().undo();
  view->render();
  EXPECT_EQ(view->pointPlot()->GetSelection()->GetValue(0), 1);
}

TEST_F(ScatterPlot2DTest, RubberBandsAndClicksSelectWithTheKeysOfTheOtherViews)
{
  auto view = addView();
  view->coloringType()->setValue(SolidColor);
  view->render();
  // Cases 1..4 lie at (1, 10), (2, 30), (3, 20), (4, 40).
  const auto case2 = pixelOf(*view, 2, 30);
  const auto case3 = pixelOf(*view, 3, 20);
  drag(*view, { case2[0] - 10, case2[1] + 10 }, { case3[0] + 10, case3[1] - 10 });
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 2, 3 }));

  const auto case1 = pixelOf(*view, 1, 10);
  drag(*view, { case1[0] - 5, case1[1] - 5 }, { case1[0] + 5, case1[1] + 5 }, true);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 2, 3 })) << "Shift adds";
  drag(*view, { case2[0] - 10, case2[1] + 10 }, { case3[0] + 10, case3[1] - 10 }, false, true);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1 })) << "Control toggles";
  // The band over cases 1 and 3 (not 2, above it) toggles both.
  drag(*view, { case1[0] - 5, case1[1] - 5 }, { case3[0] + 8, case3[1] + 8 }, false, true);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 3 }));

  // A click without drag picks the point within six pixels, or clears.
  drag(*view, { case1[0] + 5, case1[1] - 5 }, { case1[0] + 5, case1[1] - 5 });
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1 }));
  drag(*view, { case3[0], case3[1] + 3 }, { case3[0], case3[1] + 3 }, true);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 3 }));
  drag(*view, case1, case1, false, true);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 3 }));
  EXPECT_EQ(view->pointPlot()->GetSelection()->GetNumberOfTuples(), 1);
  drag(*view, { case2[0] + 9, case2[1] }, { case2[0] + 9, case2[1] });
  EXPECT_TRUE(selection->getSelections().empty());

  // Panning moves the axes and selects nothing.
  view->mouseMode()->setValue(DataViewInterface::Pan);
  const double left = view->chart()->GetAxis(vtkAxis::BOTTOM)->GetMinimum();
  drag(*view, case2, { case2[0] + 50, case2[1] });
  EXPECT_LT(view->chart()->GetAxis(vtkAxis::BOTTOM)->GetMinimum(), left);
  EXPECT_TRUE(selection->getSelections().empty());
  // Fitting leaves room for the marker of the leftmost case.
  view->fitData();
  view->render();
  vtkAxis* bottom = view->chart()->GetAxis(vtkAxis::BOTTOM);
  EXPECT_LT(bottom->GetMinimum(), 1.0);
  EXPECT_GE(
    pixelOf(*view, 1.0, 10.0)[0] - bottom->GetPoint1()[0], view->pointPlot()->GetMarkerSize() / 2);
}

TEST_F(ScatterPlot2DTest, SelectionsGoBothWaysWithTheTable)
{
  auto view = addView();
  auto table = boost::dynamic_pointer_cast<TableView>(manager->addTableView());
  lastWidget->resize(400, 300);
  lastWidget->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(lastWidget));
  QTableView& rows = table->tableView();
  rows.selectionModel()->select(rows.model()->index(rowOfCase(*rows.model(), 3), 0),
    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ASSERT_EQ(view->pointPlot()->GetSelection()->GetNumberOfTuples(), 1);
  EXPECT_EQ(
    view->pointTable()->GetValue(view->pointPlot()->GetSelection()->GetValue(0), 0).ToTypeUInt64(),
    3u);

  const auto case2 = pixelOf(*view, 2, 30);
  const auto case4 = pixelOf(*view, 4, 40);
  drag(*view, { case2[0] - 8, case2[1] - 8 }, { case4[0] + 8, case4[1] + 8 }, true);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 2, 3, 4 }));
  const std::set<uint64_t> tableRows = casesPaintedSelected(rows);
  EXPECT_EQ(tableRows, (std::set<uint64_t>{ 2, 3, 4 }));
}

TEST_F(ScatterPlot2DTest, ExportedPictureShowsTheMarkersInTheirColours)
{
  auto view = addView();
  view->coloringType()->setValue(SolidColor);
  view->color()->setValue(QColor(255, 0, 0));
  view->render();
  const auto case2 = pixelOf(*view, 2, 30);
  const auto empty = pixelOf(*view, 2.5, 25);
  const int height = view->renderWindow()->GetSize()[1];
  QImage image = PNGExporter::capture(*view->renderWindow());
  EXPECT_EQ(image.pixelColor(case2[0], height - 1 - case2[1]), QColor(255, 0, 0));
  EXPECT_NE(image.pixelColor(empty[0], height - 1 - empty[1]), QColor(255, 0, 0));

  // By rules: case 2 violates two dependent filters, case 3 satisfies them.
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("m"), 0.0, 10.0));
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("n"), 0.0, 60.0));
  pipeline->addFilter(boost::make_shared<RangeFilter>(variable("n"), 0.0, 10.0));
  view->coloringType()->setValue(ByRules);
  view->render();
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath("scatter2d.png");
  const int width = view->renderWindow()->GetSize()[0];
  PNGExporter(boost::make_shared<FileInfo>(path),
    { std::size_t(width), std::size_t(height) },
    ViewExporterInterface::WindowAntialiasing)
    .exportView(*view);
  image = QImage(path);
  ASSERT_EQ(image.size(), QSize(width, height));
  // Inside each marker, off the axis lines and the chart's edges at the corner points.
  const auto colourAt = [&](double x, double y)
  {
    const auto pixel = pixelOf(*view, x, y);
    const int inward = x < 3 ? 2 : -2;
    return image.pixelColor(pixel[0] + inward, height - 1 - pixel[1] - inward);
  };
  EXPECT_EQ(
    categoriesOf(*view), (std::map<uint64_t, int>{ { 1, 0 }, { 2, 3 }, { 3, 3 }, { 4, 2 } }));
  EXPECT_EQ(colourAt(1, 10), QColor(65, 167, 89));
  EXPECT_EQ(colourAt(2, 30), QColor(205, 56, 49));
  EXPECT_EQ(colourAt(4, 40), QColor(110, 191, 237));
}
