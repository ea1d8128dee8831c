#include "tests/analyzer/dataviews/scatter3d/Scatter3DFixture.h"

#include "analyzer/dataviews/export/PNGExporter.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/plotsupport/NiceLabelsColorBarWidget.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "tests/analyzer/dataviews/table/TableFixture.h"

#include <QImage>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>
#include <vtkBitArray.h>
#include <vtkCamera.h>
#include <vtkCommand.h>
#include <vtkCoordinate.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>
#include <vtkScalarBarActor.h>
#include <vtkScalarBarActorInternal.h>
#include <vtkScalarBarRepresentation.h>
#include <vtkTextActor.h>
#include <vtkTransformPolyDataFilter.h>

namespace
{

/// A shown 400 x 300 view looking straight down the z axis, y up, big glyphs in solid red.
class Scatter3DRender : public Scatter3DFixture
{
protected:
  boost::shared_ptr<ScatterPlot3D> showView()
  {
    auto view = addView();
    view->colorByData()->setValue(false);
    view->color()->setValue(QColor(255, 0, 0));
    view->scalingFactor()->setValue(3.0);
    lastWidget->resize(400, 300);
    lastWidget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(lastWidget));
    vtkCamera* camera = view->renderer().GetActiveCamera();
    camera->SetFocalPoint(0.5, 0.5, 0.0);
    camera->SetPosition(0.5, 0.5, 3.0);
    camera->SetViewUp(0.0, 1.0, 0.0);
    // Parallel projection: cases differing only in z cover each other exactly.
    camera->ParallelProjectionOn();
    camera->SetParallelScale(0.8);
    view->renderer().ResetCameraClippingRange();
    view->render();
    return view;
  }

  /// Display position (pixels, from the bottom left) of a case's glyph centre.
  static std::array<int, 2> displayPosition(ScatterPlot3D& view, vtkIdType row)
  {
    view.positions().Update();
    const double* point = view.positions().GetOutput()->GetPoint(row);
    vtkRenderer& renderer = view.renderer();
    renderer.SetWorldPoint(point[0], point[1], point[2], 1.0);
    renderer.WorldToDisplay();
    const double* display = renderer.GetDisplayPoint();
    return { static_cast<int>(display[0] + 0.5), static_cast<int>(display[1] + 0.5) };
  }

  static void click(ScatterPlot3D& view, int x, int y)
  {
    view.renderWindow()->GetInteractor()->SetEventPosition(x, y);
    view.adjustSelectionForMouseClickAtPoint();
  }

  static void drag(ScatterPlot3D& view,
    std::array<int, 2> from,
    std::array<int, 2> to,
    int shift = 0)
  {
    vtkRenderWindowInteractor* interactor = view.renderWindow()->GetInteractor();
    interactor->SetEventInformation(from[0], from[1], 0, shift);
    interactor->InvokeEvent(vtkCommand::LeftButtonPressEvent);
    interactor->SetEventInformation(to[0], to[1], 0, shift);
    interactor->InvokeEvent(vtkCommand::MouseMoveEvent);
    interactor->InvokeEvent(vtkCommand::LeftButtonReleaseEvent);
  }
};

/// The colour bar's title and labels, which the bar keeps to itself.
struct TextOfBar : vtkScalarBarActor
{
  static std::vector<vtkTextActor*> of(vtkScalarBarActor& bar)
  {
    std::vector<vtkTextActor*> texts{ bar.*(&TextOfBar::TitleActor) };
    for (vtkTextActor* label : (bar.*(&TextOfBar::P))->TextActors)
      texts.push_back(label);
    return texts;
  }
};

} // namespace

TEST_F(Scatter3DRender, ClicksPickTheFirstCaseInTableOrderAndBandsAlsoHiddenOnes)
{
  // Cases 2 and 3 share x and y: seen from above, 3 hides behind 2.
  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 1.0, 1.0 }, { 1.0, 1.0, 0.0 } });
  auto view = showView();
  const auto glyph = displayPosition(*view, 1);
  const auto origin = displayPosition(*view, 0);
  click(*view, glyph[0] + 5, glyph[1] - 5);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 2 }));
  click(*view, (origin[0] + glyph[0]) / 2, (origin[1] + glyph[1]) / 2);
  EXPECT_TRUE(selection->getSelections().empty()) << "empty space picks nothing";
  click(*view, origin[0] + 7, origin[1] + 7);
  EXPECT_TRUE(selection->getSelections().empty()) << "7 pixels is beyond the tolerance";

  view->mouseMode()->setValue(DataViewInterface::Select);
  int changes = 0;
  selection->signalSelectionChanged.connect([&] { ++changes; });

  drag(*view, { glyph[0] - 10, glyph[1] - 10 }, { glyph[0] + 10, glyph[1] + 10 });
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 2, 3 }));
  EXPECT_EQ(changes, 1) << "the view's own overlay update must not echo a selection back";

  // A click without drag picks the 11 x 11 pixels around it; Shift adds.
  drag(*view, origin, origin, 1);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 2, 3 }));

  // In rotate mode the left button turns the camera and selects nothing; redrawing the turned
  // view runs no stage of the pipeline.
  view->mouseMode()->setValue(DataViewInterface::Rotate);
  AlgorithmExecutionListener source(pipeline->filteredOutput());
  AlgorithmExecutionListener positions(&view->positions());
  std::array<double, 3> eye{};
  view->renderer().GetActiveCamera()->GetPosition(eye.data());
  drag(*view, origin, { origin[0] + 40, origin[1] });
  view->render();
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 2, 3 }));
  std::array<double, 3> turned{};
  view->renderer().GetActiveCamera()->GetPosition(turned.data());
  EXPECT_NE(turned, eye);
  EXPECT_FALSE(source.algorithmHasExecuted());
  EXPECT_FALSE(positions.algorithmHasExecuted());
  view->scalingFactor()->setValue(2.0);
  view->positions().Update();
  EXPECT_FALSE(positions.algorithmHasExecuted()) << "a glyph size is not a position";
}

TEST_F(Scatter3DRender, OverlayFollowsASelectionMadeInTheTable)
{
  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 1.0, 0.0 } });
  auto view = showView();
  auto table = boost::dynamic_pointer_cast<TableView>(manager->addTableView());
  const QImage before = PNGExporter::capture(*view->renderWindow());
  const auto glyph = displayPosition(*view, 1);

  int changes = 0;
  selection->signalSelectionChanged.connect([&] { ++changes; });
  QTableView& rows = table->tableView();
  rows.selectionModel()->select(rows.model()->index(rowOfCase(*rows.model(), 2), 0),
    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 2 }));
  EXPECT_EQ(changes, 1);

  view->positions().Update();
  auto* mask = vtkBitArray::SafeDownCast(view->positions().GetOutput()->GetPointData()->GetArray(
    DataPipelineManagerInterface::selectionMaskName));
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->GetValue(0), 0);
  EXPECT_EQ(mask->GetValue(1), 1);

  // The shell darkens the rim of the selected glyph and nothing around the other one.
  const QImage after = PNGExporter::capture(*view->renderWindow());
  const int imageY = after.height() - 1 - glyph[1];
  EXPECT_LT(after.pixelColor(glyph[0], imageY).red(), before.pixelColor(glyph[0], imageY).red());
  const auto origin = displayPosition(*view, 0);
  const int originY = after.height() - 1 - origin[1];
  EXPECT_EQ(after.pixelColor(origin[0], originY), before.pixelColor(origin[0], originY));
}

TEST_F(Scatter3DRender, AxesTitlesAndGlyphsKeepOutOfTheColourBarsBox)
{
  // Long titles and labels, the default camera, glyphs coloured by a fourth variable.
  ProjectContents contents;
  for (const char* name : { "Length (m)", "Width (mm)", "Deflection (mm)", "Stress (Pa)" })
    contents.addVariable(name, Variable::Dependent, ValueType::Real);
  for (uint64_t id = 1; id <= 24; ++id)
  {
    const double i = static_cast<double>(id);
    contents.addRecord(id, { 1.0 + 0.08 * i, 20.0 + 2.5 * i, 0.2 + 0.55 * i * i, 1e5 * i });
  }
  Project::project().assign(std::move(contents));
  auto view = addView();
  view->xVar()->setValue(variable("Length (m)"));
  view->yVar()->setValue(variable("Width (mm)"));
  view->zVar()->setValue(variable("Deflection (mm)"));
  view->colorVar()->setValue(variable("Stress (Pa)"));
  view->colorByData()->setValue(true);
  ASSERT_TRUE(view->legend()->isShown());
  lastWidget->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(lastWidget));

  vtkScalarBarActor* bar = view->legend()->widget().GetScalarBarActor();
  auto* box =
    vtkScalarBarRepresentation::SafeDownCast(view->legend()->widget().GetRepresentation());
  for (const QSize size : { QSize(800, 600), QSize(400, 300) })
  {
    lastWidget->resize(size);
    QTest::qWait(50);
    // The plot drawn as beside the bar, without the bar: nothing of it lies in the bar's box.
    bar->VisibilityOff();
    view->render();
    const QImage picture = PNGExporter::capture(*view->renderWindow());
    bar->VisibilityOn();
    const int width = picture.width();
    const int height = picture.height();
    ASSERT_EQ(width, size.width());
    const int left = static_cast<int>(box->GetPosition()[0] * width);
    const int right = static_cast<int>((box->GetPosition()[0] + box->GetPosition2()[0]) * width);
    const int bottom = static_cast<int>(box->GetPosition()[1] * height);
    const int top = static_cast<int>((box->GetPosition()[1] + box->GetPosition2()[1]) * height);
    int drawn = 0;
    for (int x = left; x < std::min(right, width); ++x)
      for (int y = bottom; y < top; ++y)
        drawn += picture.pixelColor(x, height - 1 - y) != QColor(Qt::white);
    EXPECT_EQ(drawn, 0) << "pixels of the plot under the bar at " << width << " x " << height;
    // The bar's title, wrapped or shrunk where it must, and its labels ("1.5e+06", in smaller
    // type where they must) stay within the window and off the plot.
    view->render();
    for (vtkTextActor* text : TextOfBar::of(*bar))
    {
      double bounds[4];
      text->GetBoundingBox(&view->renderer(), bounds);
      const int* anchor =
        text->GetPositionCoordinate()->GetComputedViewportValue(&view->renderer());
      EXPECT_GT(bounds[1] - bounds[0], 5.0);
      EXPECT_GE(anchor[0] + bounds[0], left - 1)
        << text->GetInput() << " over the plot at " << width;
      EXPECT_LE(anchor[0] + bounds[1], width) << text->GetInput() << " off the window at " << width;
      EXPECT_LE(anchor[1] + bounds[3], height);
    }
    // The scene still uses most of the window.
    int plotted = 0;
    for (int x = 0; x < left; x += 2)
      for (int y = 0; y < height; y += 2)
        plotted += picture.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(plotted, 100);
  }
}
