#include "bench/RatioReporter.h"
#include "host/project/CsvImporter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <utility>

namespace
{

/// A CSV file of numbers, rows by columns, written once per size.
QString csvFile(int64_t rows, int64_t columns)
{
  static QTemporaryDir folder;
  static std::map<std::pair<int64_t, int64_t>, QString> files;
  auto& path = files[{ rows, columns }];
  if (!path.isEmpty())
    return path;
  path = folder.filePath(QStringLiteral("cases-%1x%2.csv").arg(rows).arg(columns));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  QByteArray line;
  for (int64_t c = 0; c < columns; ++c)
    line += (c > 0 ? ",V" : "V") + QByteArray::number(static_cast<qlonglong>(c));
  file.write(line + '\n');
  for (int64_t r = 0; r < rows; ++r)
  {
    line.clear();
    for (int64_t c = 0; c < columns; ++c)
    {
      if (c > 0)
        line += ',';
      line += QByteArray::number(static_cast<double>((r * 7 + c * 13) % 1000) / 4.0);
    }
    file.write(line + '\n');
  }
  return path;
}

void CsvImport(benchmark::State& state)
{
  const QString path = csvFile(state.range(0), state.range(1));
  for (auto _ : state)
  {
    ProjectContents contents = CsvImporter().read(path);
    benchmark::DoNotOptimize(contents.recordCount());
  }
}

/// The plain pass the import is measured against: the same file's bytes read and scanned once.
void CsvImportBaseline(benchmark::State& state)
{
  const QString path = csvFile(state.range(0), state.range(1));
  for (auto _ : state)
  {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    benchmark::DoNotOptimize(bytes.count(','));
  }
}

} // namespace

// Rows and columns grow tenfold apart; linear work keeps each ratio to its baseline steady.
BENCHMARK(CsvImport)->Args({ 100000, 10 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImportBaseline)->Args({ 100000, 10 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImport)->Args({ 1000000, 10 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImportBaseline)->Args({ 1000000, 10 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImport)->Args({ 1000, 2000 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImportBaseline)->Args({ 1000, 2000 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImport)->Args({ 1000, 20000 })->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImportBaseline)->Args({ 1000, 20000 })->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
