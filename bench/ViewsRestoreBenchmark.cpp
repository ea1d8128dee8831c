// Restoring a views document of many table views into the explorer's window (batch mode),
// against reading and parsing the same document's bytes: a steady ratio as the count doubles
// shows that restoring grows linearly with the number of views.
#include "analyzer/dataviews/DataViewManager.h"
#include "apps/explorer/ExplorerWindow.h"
#include "bench/RatioReporter.h"
#include "host/core/UndoStack.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace
{

QString viewsFile(int64_t tables)
{
  static QTemporaryDir folder;
  static std::map<int64_t, QString> files;
  QString& path = files[tables];
  if (!path.isEmpty())
    return path;
  path = folder.filePath(QStringLiteral("tables-%1.xml").arg(tables));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Views>\n");
  for (int64_t i = 0; i < tables; ++i)
    file.write(QByteArray("  <TableView>\n    <UseFilters>") + (i % 2 ? "1" : "0") +
               "</UseFilters>\n    <ColumnOrder>Case ID,Length [m],Width [mm],Height [mm],Ribs,"
               "Material,Deflection [mm],Stress [MPa],Mass [kg]</ColumnOrder>\n"
               "  </TableView>\n");
  file.write("</Views>\n");
  return path;
}

// Made in main, after the application and gone before it.
ExplorerWindow* explorerWindow = nullptr;

void RestoreTableViews(benchmark::State& state)
{
  const QString path = viewsFile(state.range(0));
  ExplorerWindow& explorer = *explorerWindow;
  const std::size_t before = explorer.manager()->dataViews().size();
  for (auto _ : state)
  {
    if (!explorer.loadViews(path))
      state.SkipWithError("the views were not restored");
    state.PauseTiming();
    const auto views = explorer.manager()->dataViews();
    for (std::size_t i = before; i < views.size(); ++i)
      explorer.manager()->removeView(views[i]);
    UndoStack::clear();
    state.ResumeTiming();
  }
  state.counters["views"] = static_cast<double>(state.range(0));
}

void RestoreTableViewsBaseline(benchmark::State& state)
{
  const QString path = viewsFile(state.range(0));
  for (auto _ : state)
  {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QDomDocument document;
    document.setContent(file.readAll());
    benchmark::DoNotOptimize(document.documentElement().childNodes().count());
  }
}

void viewCounts(benchmark::internal::Benchmark* benchmark)
{
  benchmark->Arg(100)->Arg(200)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(RestoreTableViews)->Apply(viewCounts)->Iterations(2);
BENCHMARK(RestoreTableViewsBaseline)->Apply(viewCounts)->Iterations(2);

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  if (!window.openSample())
    return 1;
  explorerWindow = &window;
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  return 0;
}
