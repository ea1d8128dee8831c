#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/MouseModeToolBar.h"
#include "apps/explorer/PropertyPanel.h"
#include "host/viewsupport/AxisDetailsInterface.h"

#include <QAction>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{

struct ExplorerRun
{
  int exitCode = -1;
  QString err;
};

ExplorerRun runExplorer(const QStringList& arguments, const QProcessEnvironment& environment)
{
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(EXPLORER_PATH), arguments);
  ExplorerRun run;
  if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
    run.exitCode = process.exitCode();
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

bool hasColourOtherThanWhite(const QImage& image)
{
  for (int y = 0; y < image.height(); y += 4)
    for (int x = 0; x < image.width(); x += 4)
      if (image.pixelColor(x, y) != QColor(Qt::white))
        return true;
  return false;
}

void expectLabels(PropertyPanel& panel, std::initializer_list<const char*> expected)
{
  QStringList labels;
  for (QLabel* label : panel.findChildren<QLabel*>())
    labels << label->text();
  for (const char* label : expected)
    EXPECT_TRUE(labels.contains(label)) << label;
}

// A shown window over the sample project with one plot of the given kind.
template<class ViewInterface>
boost::shared_ptr<ViewInterface> showPlot(ExplorerWindow& window, const QString& kind)
{
  if (!window.openSample())
    return {};
  auto view = boost::dynamic_pointer_cast<ViewInterface>(window.addView(kind));
  window.show();
  if (!QTest::qWaitForWindowExposed(&window))
    return {};
  return view;
}

} // namespace

TEST(PictureExport, BatchExportWritesEveryViewAsAPictureAtTheAskedSize)
{
  QTemporaryDir dir;
  const QString out = QDir(dir.path()).filePath("export");
  const ExplorerRun run = runExplorer({ "--sample",
                                        "--add",
                                        "scatter3d",
                                        "--add",
                                        "line",
                                        "--add",
                                        "table",
                                        "--export",
                                        out,
                                        "--size",
                                        "320x240" },
    QProcessEnvironment::systemEnvironment());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage plot(QDir(out).filePath("scatter3d.png"));
  ASSERT_EQ(plot.size(), QSize(320, 240));
  EXPECT_TRUE(hasColourOtherThanWhite(plot)) << "the glyphs and axes are drawn";
  const QImage line(QDir(out).filePath("line.png"));
  ASSERT_EQ(line.size(), QSize(320, 240));
  EXPECT_TRUE(hasColourOtherThanWhite(line));
  EXPECT_FALSE(QImage(QDir(out).filePath("table.png")).isNull());
  EXPECT_FALSE(QImage(QDir(out).filePath("selected-cases.png")).isNull());
}

TEST(PictureExport, WithoutADisplayPlotsAreReportedInOneLine)
{
  QTemporaryDir dir;
  const QString out = QDir(dir.path()).filePath("export");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
  const ExplorerRun run = runExplorer(
    { "--sample", "--add", "table", "--add", "scatter3d", "--export", out }, environment);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.trimmed().count('\n'), 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("only with a display")) << run.err.toStdString();
  EXPECT_TRUE(QFile::exists(QDir(out).filePath("views.xml"))) << "the rest is still written";
  EXPECT_TRUE(QFile::exists(QDir(out).filePath("table.png")));
  EXPECT_FALSE(QFile::exists(QDir(out).filePath("scatter3d.png")));
}

TEST(PictureExport, CurrentPlotExportsAndItsSettingsAndMouseModeAreOffered)
{
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  const auto view = showPlot<ScatterPlot3DInterface>(window, "scatter3d");
  ASSERT_TRUE(view);

  expectLabels(
    window.propertyPanel(), { "X Variable", "Color by Variable", "Size", "Shape", "Translucency" });

  MouseModeToolBar& modes = window.mouseModes();
  EXPECT_TRUE(modes.isEnabled());
  EXPECT_TRUE(modes.action(DataViewInterface::Rotate)->isChecked());
  modes.action(DataViewInterface::Select)->trigger();
  EXPECT_EQ(view->mouseMode()->value(), DataViewInterface::Select);
  view->mouseMode()->setValue(DataViewInterface::Pan);
  EXPECT_TRUE(modes.action(DataViewInterface::Pan)->isChecked());

  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("view.png");
  ASSERT_TRUE(window.exportCurrentView(path, QSize(200, 300)));
  EXPECT_EQ(QImage(path).size(), QSize(200, 300));

  window.addView("table");
  EXPECT_FALSE(modes.isEnabled()) << "tables have no mouse modes";
  EXPECT_FALSE(window.exportCurrentView(path, QSize(200, 300)));
  EXPECT_EQ(window.problems().size(), 1);
}

TEST(PictureExport, TwoDimensionalScatterOffersItsSettingsAndOnlyTheModesOfACharts)
{
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  const auto view = showPlot<ScatterPlot2DInterface>(window, "scatter2d");
  ASSERT_TRUE(view);

  expectLabels(window.propertyPanel(),
    { "X Variable",
      "Y Variable",
      "Coloring Type",
      "Color Variable",
      "Color",
      "Size",
      "X Axis Minimum",
      "Y Axis Grid Spacing" });

  MouseModeToolBar& modes = window.mouseModes();
  EXPECT_FALSE(modes.action(DataViewInterface::Rotate)->isEnabled()) << "a chart cannot rotate";
  modes.action(DataViewInterface::Zoom)->trigger();
  EXPECT_EQ(view->mouseMode()->value(), DataViewInterface::Zoom);

  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("scatter2d.png");
  ASSERT_TRUE(window.exportCurrentView(path, QSize(300, 200)));
  EXPECT_EQ(QImage(path).size(), QSize(300, 200));
}

TEST(PictureExport, TextVariablesOnPlotAxesAreDrawnAsNothingWithoutErrors)
{
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  ASSERT_TRUE(window.openSample());
  QTemporaryDir dir;
  ASSERT_TRUE(window.loadViews(explorertest::writeFile(QDir(dir.path()),
    "text.xml",
    "<Views><LinePlotView><XVar>Material</XVar><SortBy>Material</SortBy></LinePlotView>"
    "<Scatter2DView><YVar>Material</YVar><ColorVar>Material</ColorVar>"
    "<ColoringType>ByVariable</ColoringType></Scatter2DView>"
    "<Scatter3DView><ZVar>Material</ZVar></Scatter3DView></Views>")));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QStringList written = window.exportViews(QDir(dir.path()).filePath("out"));
  for (const char* picture : { "line.png", "scatter2d.png", "scatter3d.png" })
    EXPECT_TRUE(std::any_of(written.begin(),
      written.end(),
      [picture](const QString& path) { return path.endsWith(picture); }))
      << picture;
}

TEST(PictureExport, LinePlotOffersEverySettingTheModesAndFitToData)
{
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  const auto view = showPlot<LinePlotInterface>(window, "line");
  ASSERT_TRUE(view);

  expectLabels(window.propertyPanel(),
    { "X Variable",
      "Y Variable",
      "Sort By",
      "Show Legend",
      "Show Lines",
      "Line Color",
      "Color By Data",
      "Symbol Shape",
      "Symbol Size",
      "Show Surrogate Model",
      "Value Distribution" });

  MouseModeToolBar& modes = window.mouseModes();
  EXPECT_TRUE(modes.isEnabled());
  modes.action(DataViewInterface::Zoom)->trigger();
  EXPECT_EQ(view->mouseMode()->value(), DataViewInterface::Zoom);

  const auto xAxis = view->axisDetails().at(0);
  const double fitted = xAxis->max()->value();
  xAxis->max()->setValue(fitted * 10);
  ASSERT_TRUE(modes.fitAction()->isEnabled());
  modes.fitAction()->trigger();
  // The room kept for markers is reckoned from the axis as laid out, not yet at the first fit.
  EXPECT_NEAR(xAxis->max()->value(), fitted, fitted * 1e-2);

  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("line.png");
  ASSERT_TRUE(window.exportCurrentView(path, QSize(300, 200)));
  EXPECT_TRUE(hasColourOtherThanWhite(QImage(path)));
  window.addView("table");
  EXPECT_FALSE(modes.fitAction()->isEnabled());
}
