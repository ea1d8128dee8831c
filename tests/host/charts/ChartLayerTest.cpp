#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"
#include "host/charts/AxisDetailsCharts.h"
#include "host/charts/ChartAxes.h"
#include "host/charts/ChartXY.h"
#include "host/charts/DataView2DSelectionSynchronizer.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/charts/VTKChartsMouseModeProperty.h"
#include "host/charts/vtkChartUtils.h"
#include "host/core/InvalidPropertyValueException.h"
#include "host/core/UndoStack.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/host/serialization/XmlText.h"

#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkAxis.h>
#include <vtkChart.h>
#include <vtkContextMouseEvent.h>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkDoubleArray.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkPlotPoints.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTable.h>
#include <vtkTypeUInt64Array.h>

namespace
{

using VariableHandle = WeakPtr<Variable, uint64_t>;

/// A chart with one point plot of cases 11..13 at (1, 10), (2, 40), (3, 20) in columns "a"
/// and "b", and a column "c" holding the points mirrored.
class ChartLayerTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    ProjectContents contents;
    for (const char* name : { "a", "b", "c" })
      contents.addVariable(name, Variable::Independent, ValueType::Real);
    Project::project().assign(std::move(contents));
    UndoStack::clear();

    vtkNew<vtkTypeUInt64Array> ids;
    vtkNew<vtkDoubleArray> a, b, c;
    ids->SetName("Case");
    a->SetName("a");
    b->SetName("b");
    c->SetName("c");
    const double values[][2] = { { 1, 10 }, { 2, 40 }, { 3, 20 } };
    for (int row = 0; row < 3; ++row)
    {
      ids->InsertNextValue(uint64_t(11 + row));
      a->InsertNextValue(values[row][0]);
      b->InsertNextValue(values[row][1]);
      c->InsertNextValue(-values[row][1]);
    }
    for (vtkAbstractArray* column : std::vector<vtkAbstractArray*>{ ids, a, b, c })
      table->AddColumn(column);
    x->setValue(Project::project().variable("a"));
    y->setValue(Project::project().variable("b"));
    plot->SetInputData(table);
    x->addPlot(plot);
    y->addPlot(plot);
    chart->AddPlot(plot);
    view->GetScene()->AddItem(chart);
  }

  void TearDown() override { UndoStack::clear(); }

  bool hit(double x0, double y0, double x1, double y1, uint64_t& id)
  {
    return vtkChartUtils::caseIDAtPoint(
      *plot, *table->GetColumn(0), vtkVector2d(x0, y0), vtkVector2d(x1, y1), id);
  }

  vtkNew<vtkContextView> view;
  vtkNew<vtkTable> table;
  vtkSmartPointer<ChartXY> chart = vtkSmartPointer<ChartXY>::New();
  vtkNew<vtkPlotPoints> plot;
  boost::shared_ptr<SpatialVariableProperty2D> x = boost::make_shared<SpatialVariableProperty2D>(0);
  boost::shared_ptr<SpatialVariableProperty2D> y = boost::make_shared<SpatialVariableProperty2D>(1);
};

} // namespace

TEST_F(ChartLayerTest, PlotsFollowTheirVariablesAndAnswerHitsNearestTheCentre)
{
  uint64_t id = 0;
  EXPECT_TRUE(hit(0.5, 5, 2.5, 45, id));
  EXPECT_EQ(id, 11u);
  EXPECT_TRUE(hit(1.5, 15, 3.5, 45, id));
  EXPECT_EQ(id, 12u);
  id = 99;
  EXPECT_FALSE(hit(1.2, 0, 1.8, 100, id));
  EXPECT_EQ(id, 99u);

  y->setValue(Project::project().variable("c"));
  EXPECT_FALSE(hit(0.5, 5, 2.5, 45, id));
  EXPECT_TRUE(hit(2.5, -25, 3.5, -15, id));
  EXPECT_EQ(id, 13u);

  plot->SetVisible(false);
  EXPECT_FALSE(hit(2.5, -25, 3.5, -15, id));
  y->clearPlots();
  y->setValue(Project::project().variable("b"));
  plot->SetVisible(true);
  EXPECT_TRUE(hit(2.5, -25, 3.5, -15, id));
}

TEST_F(ChartLayerTest, AxisRangesAreUndoableFixedUntilFittedAndAnnounced)
{
  AxisDetailsCharts axisX("X-Axis", chart, ChartAxes::bottom, x);
  AxisDetailsCharts axisY("Y-Axis", chart, ChartAxes::left, y);
  EXPECT_EQ(chart->GetAxis(ChartAxes::bottom)->GetTitle(), "a");
  y->setValue(Project::project().variable("c"));
  EXPECT_EQ(chart->GetAxis(ChartAxes::left)->GetTitle(), "c");
  y->setValue(Project::project().variable("b"));

  vtkChartUtils::fitData(*chart);
  EXPECT_LE(axisY.min()->value(), 10);
  EXPECT_GE(axisY.max()->value(), 40);

  std::vector<double> announced;
  axisX.max()->signalValueChanged.connect([&](double value) { announced.push_back(value); });
  int changes = 0;
  axisX.signalAxisDetailsChanged.connect([&] { ++changes; });
  axisX.max()->setValue(8);
  EXPECT_EQ(chart->GetAxis(ChartAxes::bottom)->GetMaximum(), 8);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), QStringLiteral("Change X-Axis Max"));
  EXPECT_EQ(announced, (std::vector<double>{ 8 }));
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(axisX.min()->setValue(std::nan("")), vantor::InvalidPropertyValueException);

  // Fitting again ignores the custom range, but only on the axis fitted.
  axisY.max()->setValue(100);
  vtkChartUtils::resetAxisRange(*chart, ChartAxes::left);
  EXPECT_LT(axisY.max()->value(), 100);
  EXPECT_EQ(axisX.max()->value(), 8);

  // Panning moves the range without an undo step, and says so.
  const int steps = UndoStack::qUndoStack().count();
  chart->GetAxis(ChartAxes::bottom)->SetRange(-1, 6);
  EXPECT_EQ(announced.back(), 6);
  EXPECT_EQ(UndoStack::qUndoStack().count(), steps);

  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  EXPECT_NE(axisX.max()->value(), 8);
}

TEST_F(ChartLayerTest, FittingOneNegativeValueGivesAnAxisRunningUpwards)
{
  for (vtkIdType row = 0; row < 3; ++row)
    table->SetValue(row, 2, -2.09e-5);
  table->Modified();
  vtkChartUtils::fitData(*chart);
  vtkAxis* left = chart->GetAxis(ChartAxes::left);
  EXPECT_LT(left->GetMinimum(), -2.09e-5);
  EXPECT_GT(left->GetMaximum(), -2.09e-5);
}

TEST_F(ChartLayerTest, GridSpacingSetsTheTicksAndIsPersistedWithTheRanges)
{
  auto axisX = boost::make_shared<AxisDetailsCharts>("X-Axis", chart, ChartAxes::bottom, x);
  auto axisY = boost::make_shared<AxisDetailsCharts>("Y-Axis", chart, ChartAxes::left, y);
  axisX->min()->setValue(0);
  axisX->max()->setValue(1);
  axisX->gridSpacing()->setValue(0.25);
  axisX->useCustomGridSpacing()->setValue(true);
  EXPECT_EQ(chart->GetAxis(ChartAxes::bottom)->GetTickPositions()->GetNumberOfTuples(), 5);
  EXPECT_THROW(axisX->gridSpacing()->setValue(0), vantor::InvalidPropertyValueException);
  EXPECT_FALSE(axisX->boundsMin());

  AxisDetailsSerializer serializer({ axisX, axisY });
  const std::string xml = testsupport::xmlText(serializer);

  auto otherChart = vtkSmartPointer<ChartXY>::New();
  view->GetScene()->AddItem(otherChart);
  auto restoredX =
    boost::make_shared<AxisDetailsCharts>("X-Axis", otherChart, ChartAxes::bottom, x);
  auto restoredY = boost::make_shared<AxisDetailsCharts>("Y-Axis", otherChart, ChartAxes::left, y);
  testsupport::readXml(AxisDetailsSerializer({ restoredX, restoredY }), xml);
  EXPECT_EQ(otherChart->GetAxis(ChartAxes::bottom)->GetMaximum(), 1);
  EXPECT_EQ(otherChart->GetAxis(ChartAxes::bottom)->GetBehavior(), vtkAxis::FIXED);
  EXPECT_EQ(otherChart->GetAxis(ChartAxes::bottom)->GetTickPositions()->GetNumberOfTuples(), 5);
}

TEST_F(ChartLayerTest, MouseModesBecomeTheLeftButtonsAction)
{
  VTKChartsMouseModeProperty mode(chart);
  const int left = vtkContextMouseEvent::LEFT_BUTTON;
  EXPECT_EQ(chart->GetActionToButton(vtkChart::SELECT), left);
  mode.setValue(DataViewInterface::Zoom);
  EXPECT_EQ(chart->GetActionToButton(vtkChart::ZOOM), left);
  mode.setValue(DataViewInterface::Pan);
  EXPECT_EQ(chart->GetActionToButton(vtkChart::PAN), left);
  EXPECT_THROW(mode.setValue(DataViewInterface::Rotate), vantor::InvalidPropertyValueException);
  EXPECT_EQ(mode.value(), DataViewInterface::Pan);
}

TEST_F(ChartLayerTest, ChartSelectionsAndSharedSelectionFollowEachOther)
{
  auto shared = boost::make_shared<SelectionModel>();
  vtkNew<vtkRenderWindowInteractor> interactor;
  DataView2DSelectionSynchronizer synchronizer(
    chart, boost::make_shared<PlotSelectionModel>(interactor.Get(), shared));
  synchronizer.setPlotsToSynchronize({ plot.Get() });
  int announced = 0;
  synchronizer.signalSelectionChanged.connect([&] { ++announced; });

  // Selections close together and spread far wider than the plot's rows.
  const std::pair<std::set<uint64_t>, std::vector<vtkIdType>> highlights[] = { { { 12 }, { 1 } },
    { { 5, 13, 1000 }, { 2 } },
    { { 11, 13, uint64_t(1) << 63 }, { 0, 2 } },
    { {}, {} } };
  for (const auto& [selected, rows] : highlights)
  {
    shared->setSelection(selected);
    synchronizer.updateChartSelections();
    vtkIdTypeArray* shown = plot->GetSelection();
    EXPECT_EQ(std::vector<vtkIdType>(
                shown->GetPointer(0), shown->GetPointer(0) + shown->GetNumberOfTuples()),
      rows);
  }

  auto pick = [&](std::vector<vtkIdType> rows)
  {
    vtkNew<vtkIdTypeArray> points;
    for (vtkIdType row : rows)
      points->InsertNextValue(row);
    plot->SetSelection(points);
    chart->InvokeEvent(vtkCommand::SelectionChangedEvent);
  };
  pick({ 0, 2 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 11, 13 }));
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(plot->GetSelection()->GetNumberOfTuples(), 2);

  interactor->SetShiftKey(1);
  pick({ 1 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 11, 12, 13 }));
  interactor->SetShiftKey(0);
  interactor->SetControlKey(1);
  pick({ 0 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 12, 13 }));
  interactor->SetControlKey(0);

  synchronizer.suspend();
  pick({ 0 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 12, 13 }));
  synchronizer.resume();
  pick({});
  EXPECT_TRUE(shared->getSelections().empty());
  EXPECT_EQ(announced, 4);
}

TEST_F(ChartLayerTest, APlotTakenOutAndPutBackIsDrawnWithItsAxes)
{
  // The chart shows the axes of the plots it will draw.
  chart->Update();
  EXPECT_TRUE(chart->GetAxis(ChartAxes::bottom)->GetVisible());
  chart->ClearPlots();
  chart->Update();
  EXPECT_FALSE(chart->GetAxis(ChartAxes::bottom)->GetVisible());
  chart->AddPlot(plot);
  chart->Update();
  EXPECT_TRUE(chart->GetAxis(ChartAxes::bottom)->GetVisible());
  EXPECT_TRUE(chart->GetAxis(ChartAxes::left)->GetVisible());
  EXPECT_EQ(chart->GetNumberOfPlots(), 1);
}
