#include "analyzer/dataviews/line/LinePlot.h"
#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/export/PNGExporter.h"
#include "analyzer/dataviews/line/PlotBuilderAbstract.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/charts/ChartXY.h"
#include "host/charts/ChartXYLocationTransformer.h"
#include "host/filesystem/FileInfo.h"
#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"
#include "host/serialization/SerializerInterface.h"
#include "host/surrogate/InterpolationVariablesInterface.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "tests/host/serialization/XmlText.h"
#include "tests/host/surrogate/SurrogateFixture.h"
#include "tests/support/ProjectEdits.h"

#include <QColor>
#include <QImage>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWidget>
#include <vtkAxis.h>
#include <vtkChartLegend.h>
#include <vtkIdTypeArray.h>
#include <vtkPen.h>
#include <vtkPlotPoints.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTable.h>

namespace
{

/// Line plots of the plate project (Thickness and Load the models' inputs, Stress an output)
/// through the view manager, in shown windows.
class LinePlotTest : public SurrogateTest
{
protected:
  void SetUp() override
  {
    SurrogateTest::SetUp();
    m_views = std::make_unique<DataViewManager>(m_pipeline, m_manager, m_selection);
    m_views->setSelectionColor(QColor(255, 0, 255));
    m_views->signalViewCreated.connect(
      [this](QWidget* widget, boost::shared_ptr<DataViewInterface>) { m_widget = widget; });
  }

  void TearDown() override
  {
    UndoStack::clear();
    m_views.reset();
  }

  boost::shared_ptr<LinePlot> addView(QSize size = QSize(400, 300))
  {
    auto view = boost::dynamic_pointer_cast<LinePlot>(m_views->addLinePlot());
    m_widget->resize(size);
    m_widget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_widget));
    view->signalSurrogateModelError.connect(
      [this](const std::string& text) { m_errors.push_back(text); });
    view->render();
    return view;
  }

  static vtkChartLegend& legend(LinePlot& view, std::size_t index)
  {
    return *view.chart().legends().at(index);
  }

  /// Where a row of a plot's table is drawn, in pixels.
  static vtkVector2d pixelOf(LinePlot& view, vtkPlot& plot, vtkIdType row)
  {
    vtkTable* table = plot.GetInput();
    const double x = table->GetColumnByName("Thickness")->GetVariantValue(row).ToDouble();
    const double y = table->GetColumnByName("Stress")->GetVariantValue(row).ToDouble();
    return ChartXYLocationTransformer(view.chart()).getPixelLocationFromWorldCoordinates({ x, y });
  }

  static double distance(const vtkVector2d& a, const vtkVector2d& b)
  {
    return std::hypot(a[0] - b[0], a[1] - b[1]);
  }

  static void clickAt(LinePlot& view, const vtkVector2d& pixel, int dx, int dy)
  {
    view.renderWindow()->GetInteractor()->SetEventPosition(int(pixel[0]) + dx, int(pixel[1]) + dy);
    view.adjustSelectionForMouseClickAtPoint();
  }

  std::unique_ptr<DataViewManager> m_views;
  QWidget* m_widget = nullptr;
  std::vector<std::string> m_errors;
};

} // namespace

TEST_F(LinePlotTest, StartsOnAnInputAgainstAnOutputSortedAlongX)
{
  auto view = addView();
  EXPECT_EQ(view->title(), "Line Plot");
  EXPECT_EQ(view->domName(), "LinePlotView");
  EXPECT_EQ(view->xVar()->value(), plateVariable("Thickness"));
  EXPECT_EQ(view->yVar()->value(), plateVariable("Stress"));
  EXPECT_EQ(view->sortBy()->value(), plateVariable("Thickness"));
  EXPECT_FALSE(view->colorByData()->value());
  EXPECT_FALSE(view->showDerivedData()->value());
  EXPECT_TRUE(view->derivedDataRelevance()->value());
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), QStringLiteral("Add Line Plot"));

  ASSERT_EQ(view->rawDataPlots().size(), 1u);
  vtkSmartPointer<vtkPlot> line = view->rawDataPlots()[0];
  EXPECT_STREQ(line->GetLabel().c_str(), "Data");
  EXPECT_EQ(line->GetInput()->GetNumberOfRows(), 30);
  unsigned char rgb[3];
  line->GetColor(rgb);
  EXPECT_EQ(QColor(rgb[0], rgb[1], rgb[2]), QColor(Qt::red));
  EXPECT_EQ(line->GetPen()->GetLineType(), vtkPen::SOLID_LINE);
}

TEST_F(LinePlotTest, LegendsShowOnlyWhileAskedForAndRelevant)
{
  auto view = addView();
  EXPECT_TRUE(view->showLegend()->value());
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_FALSE(legend(*view, i).GetVisible()) << "no grouping and no surrogate lines: " << i;

  view->colorByData()->setValue(true);
  view->colorVar()->setValue(plateVariable("Load"));
  view->symbolVar()->setValue(plateVariable("Load"));
  view->symbolByData()->setValue(true);
  view->showDerivedData()->setValue(true);
  view->render();
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_TRUE(legend(*view, i).GetVisible()) << i;
  EXPECT_EQ(view->rawDataPlots().size(), 30u) << "every plate has its own load";

  view->showLegend()->setValue(false);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_FALSE(legend(*view, i).GetVisible()) << i;
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), QStringLiteral("Change Show Legend"));
  view->colorByData()->setValue(false);
  view->colorByData()->setValue(true);
  EXPECT_FALSE(legend(*view, 0).GetVisible()) << "made relevant while legends are hidden";
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(legend(*view, 0).GetVisible());
  view->colorByData()->setValue(false);
  EXPECT_FALSE(legend(*view, 0).GetVisible());
  EXPECT_TRUE(legend(*view, 1).GetVisible());
}

TEST_F(LinePlotTest, ReadsTheOlderPlotTypeAndWritesOnlyTheCurrentForm)
{
  auto view = addView();
  view->symbolByData()->setValue(true);
  testsupport::readXml(view->serializer(),
    "<LinePlotView><ShowLines>0</ShowLines><PlotType>Lines</PlotType>"
    "<SymbolShape>3</SymbolShape></LinePlotView>");
  EXPECT_TRUE(view->showLines()->value());
  EXPECT_EQ(view->symbolShape()->value(), 0);
  EXPECT_FALSE(view->symbolByData()->value());

  testsupport::readXml(view->serializer(),
    "<LinePlotView><PlotType>LinesAndSymbols</PlotType><SymbolShape>3</SymbolShape>"
    "<GroupLinesBy>Load</GroupLinesBy><GroupLinesByData>1</GroupLinesByData></LinePlotView>");
  EXPECT_TRUE(view->showLines()->value());
  EXPECT_EQ(view->symbolShape()->value(), 3);
  EXPECT_EQ(view->colorVar()->value(), plateVariable("Load"));
  EXPECT_TRUE(view->colorByData()->value());

  testsupport::readXml(
    view->serializer(), "<LinePlotView><PlotType>Symbols</PlotType></LinePlotView>");
  EXPECT_FALSE(view->showLines()->value());
  EXPECT_EQ(view->symbolShape()->value(), 3);

  view->lineColor()->setValue(QColor(0, 0, 255));
  view->symbolSize()->setValue(2.0f);
  legend(*view, 1).SetPoint(120, 80);
  const std::string xml = testsupport::xmlText(view->serializer());
  for (const char* legacy : { "PlotType", "GroupLinesBy" })
    EXPECT_EQ(xml.find(legacy), std::string::npos) << xml;
  auto restored = addView();
  testsupport::readXml(restored->serializer(), xml);
  EXPECT_EQ(testsupport::xmlText(restored->serializer()), xml) << "every setting is restored";
  EXPECT_EQ(restored->lineColor()->value(), QColor(0, 0, 255));
  EXPECT_EQ(legend(*restored, 1).GetPoint()[0], 120.0f);
  EXPECT_EQ(legend(*restored, 1).GetPoint()[1], 80.0f);
}

TEST_F(LinePlotTest, TextOnAnAxisDrawsNoLineAndSaysWhyWhileTextGroupsLines)
{
  auto view = addView();
  testsupport::readXml(view->serializer(),
    "<LinePlotView><XVar>Label</XVar><SortBy>Label</SortBy><ColorVar>Label</ColorVar>"
    "<ColorByData>1</ColorByData></LinePlotView>");
  view->render();
  EXPECT_TRUE(view->rawDataPlots().empty());
  EXPECT_EQ(view->chart().GetNumberOfPlots(), 0);
  vtkAxis* bottom = view->chart().GetAxis(vtkAxis::BOTTOM);
  EXPECT_TRUE(bottom->GetVisible()) << "an empty chart still shows what it is of";
  EXPECT_EQ(bottom->GetTitle(), "Label (text: not plotted)");
  view->fitData();
  view->showDerivedData()->setValue(true);
  view->render();
  EXPECT_TRUE(view->derivedDataPlots().empty());

  view->xVar()->setValue(plateVariable("Thickness"));
  view->render();
  ASSERT_EQ(view->rawDataPlots().size(), 1u) << "one text group, sorted by text";
  EXPECT_STREQ(view->rawDataPlots()[0]->GetLabel().c_str(), "Label=plate");
  EXPECT_EQ(view->rawDataPlots()[0]->GetInput()->GetNumberOfRows(), 30);
  EXPECT_EQ(bottom->GetTitle(), "Thickness");
}

TEST_F(LinePlotTest, SurrogateLinesAreDashedAndClicksPickOnlyCases)
{
  auto view = addView();
  view->showDerivedData()->setValue(true);
  view->render();
  EXPECT_TRUE(m_errors.empty());
  ASSERT_EQ(view->derivedDataPlots().size(), 1u);
  vtkSmartPointer<vtkPlot> derived = view->derivedDataPlots()[0];
  vtkSmartPointer<vtkPlot> cases = view->rawDataPlots()[0];
  EXPECT_EQ(derived->GetPen()->GetLineType(), vtkPen::DASH_LINE);
  EXPECT_STREQ(derived->GetLabel().c_str(), "Derived");
  EXPECT_EQ(derived->GetInput()->GetNumberOfRows(), 200);

  const vtkVector2d point = pixelOf(*view, *cases, 7);
  const uint64_t id = cases->GetInput()->GetValue(7, 0).ToTypeUInt64();
  clickAt(*view, point, 5, -5);
  EXPECT_EQ(m_selection->getSelections(), (std::set<uint64_t>{ id }));
  EXPECT_EQ(view->rawDataPlots()[0]->GetSelection()->GetNumberOfTuples(), 1);

  // A point of the predicted line far from every case.
  double farthest = 0;
  vtkVector2d lonely(0, 0);
  for (vtkIdType row = 0; row < 200; row += 5)
  {
    const vtkVector2d candidate = pixelOf(*view, *derived, row);
    double nearest = 1e9;
    for (vtkIdType c = 0; c < 30; ++c)
      nearest = std::min(nearest, distance(pixelOf(*view, *cases, c), candidate));
    if (nearest > farthest)
    {
      farthest = nearest;
      lonely = candidate;
    }
  }
  ASSERT_GT(farthest, 20.0);
  clickAt(*view, lonely, 0, 0);
  EXPECT_TRUE(m_selection->getSelections().empty());

  // Fitting counts the cases only, and leaves the surrogate lines on.
  view->fitData();
  EXPECT_TRUE(view->showDerivedData()->value());
  EXPECT_TRUE(view->derivedDataPlots()[0]->GetVisible());
}

TEST_F(LinePlotTest, GroupedSurrogateLinesSampleTheValuesTheFilterKeeps)
{
  auto view = addView();
  view->colorVar()->setValue(plateVariable("Load"));
  view->colorByData()->setValue(true);
  using Matcher = MultiValueFilterAbstract::MatcherValue;
  m_pipeline->addFilter(boost::make_shared<ValueFilter>(plateVariable("Load"),
    std::vector<Matcher>{
      { Variant(1), true }, { Variant(2), true }, { Variant(3), false }, { Variant(4), true } }));
  auto inputs = view->getInterpolationVariables()->inputIndependentVariables();
  EXPECT_EQ(inputs[plateVariable("Load")], (std::vector<double>{ 1.0, 2.0, 4.0 }));
  EXPECT_EQ(inputs[plateVariable("Thickness")].size(), 200u);

  view->showDerivedData()->setValue(true);
  view->render();
  ASSERT_EQ(view->derivedDataPlots().size(), 3u) << "one predicted line per kept load";
  unsigned char first[3], second[3];
  view->derivedDataPlots()[0]->GetColor(first);
  view->derivedDataPlots()[1]->GetColor(second);
  EXPECT_EQ(QColor(first[0], first[1], first[2]), QColor(0xFF, 0, 0));
  EXPECT_EQ(QColor(second[0], second[1], second[2]), QColor(0xFF, 0xA8, 0));
}

TEST_F(LinePlotTest, SelectionsAreSharedWithTheTableBothWays)
{
  auto table = boost::dynamic_pointer_cast<TableView>(m_views->addTableView());
  auto view = addView();
  vtkSmartPointer<vtkPlot> cases = view->rawDataPlots()[0];
  vtkNew<vtkIdTypeArray> band;
  band->InsertNextValue(0);
  band->InsertNextValue(1);
  cases->SetSelection(band);
  view->chart().InvokeEvent(vtkCommand::SelectionChangedEvent);
  const std::set<uint64_t> picked{ cases->GetInput()->GetValue(0, 0).ToTypeUInt64(),
    cases->GetInput()->GetValue(1, 0).ToTypeUInt64() };
  EXPECT_EQ(m_selection->getSelections(), picked);
  EXPECT_EQ(table->selections(), picked);

  QAbstractItemModel* model = table->tableView().model();
  table->tableView().selectionModel()->select(
    model->index(4, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  const uint64_t chosen = model->index(4, 0).data().toULongLong();
  EXPECT_EQ(m_selection->getSelections(), (std::set<uint64_t>{ chosen }));
  view->render();
  cases = view->rawDataPlots()[0];
  ASSERT_EQ(cases->GetSelection()->GetNumberOfTuples(), 1);
  EXPECT_EQ(
    cases->GetInput()->GetValue(cases->GetSelection()->GetValue(0), 0).ToTypeUInt64(), chosen);
}

TEST_F(LinePlotTest, ALineColourOrASelectionChangeRunsNoTableAlgorithm)
{
  auto view = addView();
  AlgorithmExecutionListener groups(view->rawDataBuilder().outputAlgorithm());
  AlgorithmExecutionListener cases(m_pipeline->filteredOutput());
  const auto before = view->rawDataPlots();

  view->lineColor()->setValue(QColor(0, 128, 0));
  view->render();
  EXPECT_FALSE(groups.algorithmHasExecuted());
  EXPECT_FALSE(cases.algorithmHasExecuted());
  EXPECT_EQ(view->rawDataPlots(), before) << "the chart was not rebuilt";

  unsigned char rgb[3];
  before[0]->GetColor(rgb);
  EXPECT_EQ(QColor(rgb[0], rgb[1], rgb[2]), QColor(0, 128, 0));
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), QStringLiteral("Change Line Color"));

  view->sortBy()->setValue(plateVariable("Load"));
  view->render();
  EXPECT_TRUE(groups.algorithmHasExecuted()) << "the listeners do hear a re-sort";

  // Cases that pass a filter are read again; a selection then only moves the highlight.
  groups.reset();
  m_pipeline->addFilter(boost::make_shared<RangeFilter>(plateVariable("Note"), 1.0, 20.0));
  view->render();
  EXPECT_TRUE(groups.algorithmHasExecuted());
  ASSERT_EQ(view->rawDataPlots()[0]->GetInput()->GetNumberOfRows(), 20);
  groups.reset();
  const auto filtered = view->rawDataPlots();
  m_selection->setSelection({ 3, 17, 29 });
  EXPECT_FALSE(groups.algorithmHasExecuted());
  EXPECT_EQ(view->rawDataPlots(), filtered);
  vtkIdTypeArray* highlighted = filtered[0]->GetSelection();
  std::set<uint64_t> shown;
  for (vtkIdType i = 0; i < highlighted->GetNumberOfTuples(); ++i)
    shown.insert(filtered[0]->GetInput()->GetValue(highlighted->GetValue(i), 0).ToTypeUInt64());
  EXPECT_EQ(shown, (std::set<uint64_t>{ 3, 17 })) << "case 29 is filtered out";
}

TEST_F(LinePlotTest, RemovedVariablesAreReplacedAndASuspendedViewCatchesUp)
{
  auto view = addView();
  testsupport::eraseVariables({ "Note" });
  EXPECT_EQ(view->yVar()->value(), plateVariable("Stress")) << "nothing referred to it";
  testsupport::eraseVariables({ "Stress" });
  EXPECT_EQ(view->yVar()->value(), plateVariable("Cost")) << "the next dependent variable";
  view->render();
  EXPECT_EQ(view->rawDataPlots().size(), 1u);

  m_views->removeView(view);
  testsupport::eraseVariables({ "Thickness" });
  m_selection->setSelection({ 2 });
  EXPECT_TRUE(view->xVar()->value().isNull() || !view->xVar()->value().lock())
    << "a suspended view hears nothing";
  m_views->restoreView(view);
  EXPECT_TRUE(view->xVar()->value().lock() != nullptr);
  EXPECT_EQ(view->sortBy()->value(), view->xVar()->value());
  view->render();
  ASSERT_EQ(view->rawDataPlots().size(), 1u);
  vtkIdTypeArray* selected = view->rawDataPlots()[0]->GetSelection();
  ASSERT_EQ(selected->GetNumberOfTuples(), 1);
}

TEST_F(LinePlotTest, ExportedPictureShowsTheGroupsInTheirColoursWithMarkers)
{
  loadPlateProject(6);
  auto view = addView(QSize(300, 200));
  view->colorVar()->setValue(plateVariable("Load"));
  view->colorByData()->setValue(true);
  view->symbolShape()->setValue(vtkPlotPoints::SQUARE);
  view->symbolSize()->setValue(1.5f);
  view->showLegend()->setValue(false);
  view->render();
  view->fitData();
  view->render();
  ASSERT_EQ(view->rawDataPlots().size(), 6u);

  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath("line.png");
  PNGExporter(
    boost::make_shared<FileInfo>(path), { 300, 200 }, ViewExporterInterface::WindowAntialiasing)
    .exportView(*view);
  const QImage picture(path);
  ASSERT_EQ(picture.size(), QSize(300, 200));
  const auto count = [&picture](QColor color, QRect area)
  {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
      {
        const QColor pixel = picture.pixelColor(x, y);
        n += std::abs(pixel.red() - color.red()) < 16 &&
             std::abs(pixel.green() - color.green()) < 16 &&
             std::abs(pixel.blue() - color.blue()) < 16;
      }
    return n;
  };
  // A marker is a filled square of its plot's colour around the case, whole also at the edges
  // of the fitted axes.
  for (std::size_t i = 0; i < 6; ++i)
  {
    vtkSmartPointer<vtkPlot> plot = view->rawDataPlots()[i];
    unsigned char rgb[3];
    plot->GetColor(rgb);
    const vtkVector2d pixel = pixelOf(*view, *plot, 0);
    const QRect around(int(pixel[0]) - 4, 200 - int(pixel[1]) - 4, 9, 9);
    EXPECT_EQ(count(QColor(rgb[0], rgb[1], rgb[2]), around), 81) << i;
  }
  EXPECT_GT(count(QColor(0xFF, 0, 0), picture.rect()), 60);
  EXPECT_GT(count(QColor(0xFF, 0xA8, 0), picture.rect()), 60);
}
