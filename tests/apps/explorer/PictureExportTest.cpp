#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/MouseModeToolBar.h"
#include "apps/explorer/PropertyPanel.h"
#include "apps/explorer/ViewArea.h"
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
  QString out;
  QString err;
};

ExplorerRun runExplorer(const QStringList& arguments, const QProcessEnvironment& environment)
{
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(EXPLORER_PATH), arguments);
  ExplorerRun run;
  if (process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit)
    run.exitCode = process.exitCode();
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

/// The share of pixels that are neither white nor grey.
double colouredShare(const QImage& image)
{
  int coloured = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
      coloured += image.pixelColor(x, y).saturation() > 40;
  return double(coloured) / double((image.width() / 2) * (image.height() / 2));
}

bool hasColourOtherThanWhite(const QImage& image)
{
  for (int y = 0; y < image.height(); y += 4)
    for (int x = 0; x < image.width(); x += 4)
      if (image.pixelColor(x, y) != QColor(Qt::white))
        return true;
  return false;
}

/// Expects the panel to show every label of the list, the labels separated by "|".
void expectLabels(PropertyPanel& panel, const QString& expected)
{
  QStringList labels;
  for (QLabel* label : panel.findChildren<QLabel*>())
    labels << label->text();
  for (const QString& label : expected.split('|'))
    EXPECT_TRUE(labels.contains(label)) << label.toStdString();
}

} // namespace

TEST(PictureExport, BatchExportWritesEveryViewAsAPictureAtTheAskedSize)
{
  QTemporaryDir dir;
  const QDir out(QDir(dir.path()).filePath("export"));
  const ExplorerRun run =
    runExplorer(QStringLiteral("--sample --add scatter3d --add line --add table "
                               "--add images --add selected-images "
                               "--select 1-6 --export %1 --size 900x700")
                  .arg(out.path())
                  .split(' '),
      QProcessEnvironment::systemEnvironment());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Exported the views to")) << run.out.toStdString();
  for (const char* plot : { "scatter3d.png", "line.png" })
  {
    const QImage picture(out.filePath(plot));
    ASSERT_EQ(picture.size(), QSize(900, 700)) << plot;
    EXPECT_TRUE(hasColourOtherThanWhite(picture)) << plot << ": the marks and axes are drawn";
  }
  // Laid out at the asked size, though the table's tab is not the current one.
  EXPECT_EQ(QImage(out.filePath("table.png")).size(), QSize(900, 700));
  EXPECT_EQ(QImage(out.filePath("selected-cases.png")).size(), QSize(900, 700));
  QFile table(out.filePath("table.csv"));
  ASSERT_TRUE(table.open(QIODevice::ReadOnly));
  EXPECT_EQ(table.readAll().count('\n'), 301) << "a header and the sample's 300 cases";
  QFile selected(out.filePath("selected-cases.csv"));
  ASSERT_TRUE(selected.open(QIODevice::ReadOnly));
  EXPECT_EQ(selected.readAll().count('\n'), 7) << "a header and the six cases selected";
  // The image views wait for their thumbnails: the sample's beams are drawn in colour, the
  // placeholders and the background are grey and white.
  EXPECT_GT(colouredShare(QImage(out.filePath("images.png"))), 0.05);
  EXPECT_GT(colouredShare(QImage(out.filePath("selected-images.png"))), 0.01);
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

TEST(PictureExport, EachPlotOffersItsSettingsAndMouseModesAndExportsTheCurrentOne)
{
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  ASSERT_TRUE(window.openSample());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  MouseModeToolBar& modes = window.mouseModes();
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("view.png");

  const auto cloud =
    boost::dynamic_pointer_cast<ScatterPlot3DInterface>(window.addView("scatter3d"));
  ASSERT_TRUE(cloud);
  expectLabels(window.propertyPanel(), "X Variable|Color by Variable|Size|Shape|Translucency");
  EXPECT_TRUE(modes.isEnabled());
  EXPECT_TRUE(modes.action(DataViewInterface::Rotate)->isChecked());
  modes.action(DataViewInterface::Select)->trigger();
  EXPECT_EQ(cloud->mouseMode()->value(), DataViewInterface::Select);
  cloud->mouseMode()->setValue(DataViewInterface::Pan);
  EXPECT_TRUE(modes.action(DataViewInterface::Pan)->isChecked());
  ASSERT_TRUE(window.exportCurrentView(path, QSize(200, 300)));
  EXPECT_EQ(QImage(path).size(), QSize(200, 300));

  const auto chart =
    boost::dynamic_pointer_cast<ScatterPlot2DInterface>(window.addView("scatter2d"));
  ASSERT_TRUE(chart);
  expectLabels(window.propertyPanel(),
    "X Variable|Y Variable|Coloring Type|Color Variable|Color|Size|X Axis Minimum|"
    "Y Axis Grid Spacing");
  EXPECT_FALSE(modes.action(DataViewInterface::Rotate)->isEnabled()) << "a chart cannot rotate";
  modes.action(DataViewInterface::Zoom)->trigger();
  EXPECT_EQ(chart->mouseMode()->value(), DataViewInterface::Zoom);
  ASSERT_TRUE(window.exportCurrentView(path, QSize(300, 200)));
  EXPECT_EQ(QImage(path).size(), QSize(300, 200));

  const auto line = boost::dynamic_pointer_cast<LinePlotInterface>(window.addView("line"));
  ASSERT_TRUE(line);
  expectLabels(window.propertyPanel(),
    "X Variable|Y Variable|Sort By|Show Legend|Show Lines|Line Color|Color By Data|Symbol Shape|"
    "Symbol Size|Show Surrogate Model|Value Distribution");
  modes.action(DataViewInterface::Zoom)->trigger();
  EXPECT_EQ(line->mouseMode()->value(), DataViewInterface::Zoom);
  line->render();
  const auto xAxis = line->axisDetails().at(0);
  const double fitted = xAxis->max()->value();
  xAxis->max()->setValue(fitted * 10);
  ASSERT_TRUE(modes.fitAction()->isEnabled());
  modes.fitAction()->trigger();
  // The room kept for markers is reckoned from the axis as laid out, not yet at the first fit.
  EXPECT_NEAR(xAxis->max()->value(), fitted, fitted * 1e-2);
  ASSERT_TRUE(window.exportCurrentView(path, QSize(300, 200)));
  EXPECT_TRUE(hasColourOtherThanWhite(QImage(path)));

  window.addView("table");
  EXPECT_FALSE(modes.isEnabled()) << "tables have no mouse modes";
  EXPECT_FALSE(modes.fitAction()->isEnabled());
  EXPECT_FALSE(window.exportCurrentView(path, QSize(200, 300)));
  EXPECT_EQ(window.problems().size(), 1);
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
  window.viewArea().setCurrentIndex(0);
  const auto current = window.viewArea().currentView();
  const QStringList written = window.exportViews(QDir(dir.path()).filePath("out"));
  for (const char* picture : { "line.png", "scatter2d.png", "scatter3d.png" })
    EXPECT_TRUE(std::any_of(written.begin(),
      written.end(),
      [picture](const QString& path) { return path.endsWith(picture); }))
      << picture;
  // Exporting from the window leaves every view in its tab, the current one current.
  for (const auto& view : window.manager()->dataViews())
    EXPECT_EQ(window.containerOf(view)->window(), &window) << view->title();
  EXPECT_EQ(window.viewArea().count(), 3);
  EXPECT_EQ(window.viewArea().currentView(), current);
}
