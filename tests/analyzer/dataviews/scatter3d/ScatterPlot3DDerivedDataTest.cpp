#include "analyzer/dataviews/export/ExerciserExporter.h"
#include "host/serialization/Serializer.h"
#include "host/surrogate/SurrogateModelManager.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/surrogate/SurrogateModelUserDistCollection.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "tests/analyzer/dataviews/scatter3d/Scatter3DFixture.h"
#include "tests/host/serialization/XmlText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <vtkActorCollection.h>
#include <vtkRenderer.h>
#include <vtkTable.h>

namespace
{

/// z = sin(x) + y / 2 on a scattered set of cases; x and y are the models' inputs.
void loadSurface(int cases)
{
  std::vector<std::array<double, 3>> points;
  for (int i = 1; i <= cases; ++i)
  {
    const double x = 3.0 * std::fmod(i * 0.618034, 1.0);
    const double y = 4.0 * std::fmod(i * 0.7548777, 1.0);
    points.push_back({ x, y, std::sin(x) + y / 2.0 });
  }
  loadPoints(points);
}

class ScatterPlot3DDerivedDataTest : public Scatter3DFixture
{
protected:
  boost::shared_ptr<ScatterPlot3D> addSurfaceView()
  {
    selection = boost::make_shared<SelectionModel>();
    pipeline = boost::make_shared<DataPipelineManager>(selection);
    surrogates = boost::make_shared<SurrogateModelManager>(pipeline);
    manager = std::make_unique<DataViewManager>(pipeline, surrogates, selection);
    manager->signalViewCreated.connect(
      [this](QWidget* widget, boost::shared_ptr<DataViewInterface>) { lastWidget = widget; });
    auto view = boost::dynamic_pointer_cast<ScatterPlot3D>(manager->add3DScatterView());
    // Small: software rendering of a 100 x 100 surface is slow enough.
    lastWidget->resize(200, 160);
    lastWidget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(lastWidget));
    view->xVar()->setValue(variable("x"));
    view->yVar()->setValue(variable("y"));
    view->zVar()->setValue(variable("z"));
    view->signalSurrogateModelError.connect(
      [this](const std::string& text) { errors.push_back(text); });
    return view;
  }

  static int actorCount(ScatterPlot3D& view)
  {
    return view.renderer().GetActors()->GetNumberOfItems();
  }

  boost::shared_ptr<SurrogateModelManager> surrogates;
  std::vector<std::string> errors;
};

} // namespace

TEST_F(ScatterPlot3DDerivedDataTest, SurfaceIsDrawnOverTheInputAxesAndUnchangedRendersQueryNothing)
{
  loadSurface(40);
  auto view = addSurfaceView();
  EXPECT_TRUE(view->derivedDataRelevance()->value());
  view->render();
  const int glyphActors = actorCount(*view);

  const int steps = UndoStack::qUndoStack().count();
  view->derivedDataShow()->setValue(true);
  EXPECT_EQ(UndoStack::qUndoStack().count(), steps + 1);
  view->render();
  EXPECT_EQ(actorCount(*view), glyphActors + 1);
  EXPECT_TRUE(errors.empty());
  EXPECT_GT(
    vtkTable::SafeDownCast(view->derivedData()->GetOutputDataObject(0))->GetNumberOfRows(), 0);

  AlgorithmExecutionListener executions(view->derivedData());
  view->render();
  view->render();
  EXPECT_FALSE(executions.algorithmHasExecuted());

  // A new x range resamples the surface.
  view->axisDetails()[0]->max()->setValue(2.0);
  view->render();
  EXPECT_TRUE(executions.algorithmHasExecuted());

  view->zVar()->setValue(variable("x"));
  EXPECT_FALSE(view->derivedDataRelevance()->value());
  EXPECT_EQ(actorCount(*view), glyphActors);
  EXPECT_TRUE(view->derivedDataShow()->value());
}

TEST_F(ScatterPlot3DDerivedDataTest, QueryErrorSwitchesTheSurfaceOffOnceWithoutAnUndoStep)
{
  loadSurface(3);
  auto view = addSurfaceView();
  ASSERT_TRUE(view->derivedDataRelevance()->value());
  view->derivedDataShow()->setValue(true);
  const int steps = UndoStack::qUndoStack().count();
  view->render();
  EXPECT_FALSE(view->derivedDataShow()->value());
  EXPECT_EQ(UndoStack::qUndoStack().count(), steps);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0],
    "Too few cases for a surrogate model of \"z\": 3 cases have values of it and of all 2 inputs; "
    "at least 4 are needed.");
  view->render();
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_GT(actorCount(*view), 0) << "the glyphs are still drawn";
}

TEST_F(ScatterPlot3DDerivedDataTest, ExerciserWritesTheCsvOnlyWhileTheSurfaceIsShown)
{
  loadSurface(40);
  auto view = addSurfaceView();
  view->render();
  QTemporaryDir folder;
  const QDir dir(folder.path());
  ExerciserExporter(dir.filePath("hidden.png").toStdString()).exportView(*view);
  EXPECT_TRUE(QFile::exists(dir.filePath("hidden.png")));
  EXPECT_FALSE(QFile::exists(dir.filePath("hidden.csv")));

  view->derivedDataShow()->setValue(true);
  view->render();
  ExerciserExporter(dir.filePath("shown").toStdString()).exportView(*view);
  QFile csv(dir.filePath("shown.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readLine().trimmed(), "Case ID,x,y,z,c");
  int rows = 0;
  while (!csv.readLine().isEmpty())
    ++rows;
  EXPECT_EQ(rows, 100 * 100);
}

TEST_F(ScatterPlot3DDerivedDataTest, SurfaceSettingsAndValueDistributionSurviveSaveAndRestore)
{
  loadSurface(40);
  auto view = addSurfaceView();
  view->derivedDataShow()->setValue(true);
  view->derivedDataColor()->setValue(QColor(10, 200, 30));
  view->derivedDataTranslucency()->setValue(70);
  SurrogateModelUserDistCollection collection;
  collection.setDistribution("x", 1, { 0.5, 1.0, 1.5, 2.0, 2.5, 2.75, 3.0 });
  view->surrogateModelUserDistCollection()->setValue(collection);
  view->render();
  EXPECT_EQ(vtkTable::SafeDownCast(view->derivedData()->GetOutputDataObject(0))->GetNumberOfRows(),
    7 * 100);

  const std::string xml = testsupport::xmlText(view->serializer());
  auto restored = addSurfaceView();
  testsupport::readXml(restored->serializer(), xml);
  EXPECT_EQ(testsupport::xmlText(restored->serializer()), xml);
  EXPECT_EQ(restored->surrogateModelUserDistCollection()->value(), collection);
}
