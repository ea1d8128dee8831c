#include "analyzer/dataviews/export/PNGExporter.h"
#include "analyzer/dataviews/PointSpriteBugFixingRenderWindow.h"
#include "analyzer/dataviews/export/ExerciserExporter.h"
#include "host/filesystem/FileInfo.h"
#include "tests/analyzer/dataviews/TestViews.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkRenderer.h>

namespace
{

/// A chart-kind view whose window is red in its top half and blue in its bottom half.
class TwoColourChart : public testviews::StubChart
{
public:
  TwoColourChart()
  {
    top->SetViewport(0.0, 0.5, 1.0, 1.0);
    top->SetBackground(1.0, 0.0, 0.0);
    bottom->SetViewport(0.0, 0.0, 1.0, 0.5);
    bottom->SetBackground(0.0, 0.0, 1.0);
    window->AddRenderer(top);
    window->AddRenderer(bottom);
    widget.setRenderWindow(window);
    widget.resize(400, 300);
  }

  vtkSmartPointer<vtkRenderWindow> renderWindow() override { return window.Get(); }
  void render() override { window->Render(); }

  vtkNew<PointSpriteBugFixingRenderWindow> window;
  vtkNew<vtkRenderer> top;
  vtkNew<vtkRenderer> bottom;
  QVTKOpenGLNativeWidget widget;
};

struct PNGExport : ::testing::Test
{
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    chart.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart.widget));
    chart.render();
  }

  boost::shared_ptr<FileInfo> file(const QString& name) const
  {
    return boost::make_shared<FileInfo>(QDir(folder.path()).filePath(name));
  }

  static bool isRed(const QColor& c) { return c.red() > 200 && c.green() < 50 && c.blue() < 50; }
  static bool isBlue(const QColor& c) { return c.blue() > 200 && c.red() < 50 && c.green() < 50; }

  QTemporaryDir folder;
  TwoColourChart chart;
};

} // namespace

TEST_F(PNGExport, ImageIsUprightAndOfTheAskedSizeWithoutKeepingTheAspectRatio)
{
  ASSERT_EQ(chart.window->GetSize()[0], 400 * chart.widget.devicePixelRatio());

  PNGExporter(file("big.png"), { 800, 600 }, ViewExporterInterface::WindowAntialiasing)
    .exportView(chart);
  const QImage big(file("big.png")->absolutePath());
  ASSERT_EQ(big.size(), QSize(800, 600));
  EXPECT_TRUE(isRed(big.pixelColor(400, 100))) << "the top of the window is the top of the image";
  EXPECT_TRUE(isBlue(big.pixelColor(400, 500)));

  PNGExporter(file("narrow.png"), { 200, 300 }, ViewExporterInterface::WindowAntialiasing)
    .exportView(chart);
  const QImage narrow(file("narrow.png")->absolutePath());
  ASSERT_EQ(narrow.size(), QSize(200, 300));
  EXPECT_TRUE(isRed(narrow.pixelColor(100, 20)));
  EXPECT_TRUE(isBlue(narrow.pixelColor(100, 280)));
  // Stretched, not letterboxed: the colour boundary stays at half the height.
  EXPECT_TRUE(isRed(narrow.pixelColor(100, 140)));
  EXPECT_TRUE(isBlue(narrow.pixelColor(100, 160)));
}

TEST_F(PNGExport, ExerciserWritesASmallPictureOfAChartAndNothingForATable)
{
  auto table = boost::make_shared<testviews::TestTableView>();
  PNGExporter(file("table.png"), { 100, 100 }, ViewExporterInterface::WindowAntialiasing)
    .exportView(*table);
  EXPECT_FALSE(file("table.png")->exists());

  ExerciserExporter(QDir(folder.path()).filePath("run/view1.png").toStdString()).exportView(*table);
  EXPECT_FALSE(file("run/view1.png")->exists());

  // A chart without derived data: a small picture and no CSV.
  ExerciserExporter(QDir(folder.path()).filePath("view1.png").toStdString()).exportView(chart);
  const QImage image(file("view1.png")->absolutePath());
  EXPECT_EQ(image.size(), QSize(300, 240));
  EXPECT_TRUE(isRed(image.pixelColor(150, 10)));
  EXPECT_FALSE(file("view1.csv")->exists());
}
