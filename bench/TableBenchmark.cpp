#include "bench/BenchProject.h"
#include "bench/RatioReporter.h"

#include "analyzer/dataviews/table/TableView.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/viewsupport/SelectionModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <memory>
#include <random>
#include <set>
#include <vtkDoubleArray.h>

namespace
{

constexpr int64_t selectionCases = 1000000;

// One pipeline over the loaded project, as the application has before the user opens a table.
struct Pipeline
{
  boost::shared_ptr<SelectionModel> selection = boost::make_shared<SelectionModel>();
  boost::shared_ptr<DataPipelineManager> pipeline =
    boost::make_shared<DataPipelineManager>(selection);
};

struct OpenTable
{
  std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
  boost::shared_ptr<TableView> view;

  explicit OpenTable(const Pipeline& shared)
  {
    view = boost::make_shared<TableView>(shared.pipeline, shared.selection, *parent);
    showAndLayout(*parent);
  }

  static void showAndLayout(QWidget& widget)
  {
    widget.resize(1000, 700);
    widget.show();
    QApplication::processEvents();
  }
};

// The table a plain Qt application would show: constant cells, no proxies, no pipeline.
class ConstantModel : public QAbstractTableModel
{
public:
  ConstantModel(int rows, int columns)
    : m_rows(rows)
    , m_columns(columns)
  {
  }
  int rowCount(const QModelIndex& parent = QModelIndex()) const override
  {
    return parent.isValid() ? 0 : m_rows;
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override
  {
    return parent.isValid() ? 0 : m_columns;
  }
  QVariant data(const QModelIndex&, int role) const override
  {
    return role == Qt::DisplayRole ? QVariant(QStringLiteral("12.345")) : QVariant();
  }

private:
  int m_rows;
  int m_columns;
};

std::vector<double> firstVariableValues()
{
  auto* values =
    vtkDoubleArray::SafeDownCast(Project::project().variable("V0").lock()->column().array());
  return std::vector<double>(
    values->GetPointer(0), values->GetPointer(0) + values->GetNumberOfValues());
}

// Ids spread over all cases, in a scrambled order, as a rubber band over a plot yields them.
std::vector<uint64_t> scatteredCases(int64_t cases, int64_t count, uint64_t shift)
{
  std::vector<uint64_t> ids;
  const int64_t step = cases / count;
  for (int64_t i = 0; i < count; ++i)
    ids.push_back(static_cast<uint64_t>(i * step + (i % 3) + 1) + shift);
  std::shuffle(ids.begin(), ids.end(), std::mt19937_64(42));
  return ids;
}

// Selections reach the model as sets built by walking rows in order (a band, a filter, a table's
// rows), so their nodes lie in memory in id order; a set filled in shuffled order would charge
// the model for cache misses no user meets. The baselines still sort the shuffled ids.
std::set<uint64_t> asSet(std::vector<uint64_t> ids)
{
  std::sort(ids.begin(), ids.end());
  return std::set<uint64_t>(ids.begin(), ids.end());
}

void OpenAndLayout(benchmark::State& state)
{
  loadProject(state.range(0));
  UndoStack::SuspendUndoRecording notRecorded;
  Pipeline shared;
  for (auto _ : state)
  {
    OpenTable table(shared);
    benchmark::DoNotOptimize(table.view->height());
  }
}

void OpenAndLayoutBaseline(benchmark::State& state)
{
  loadProject(state.range(0));
  for (auto _ : state)
  {
    QWidget parent;
    auto* layout = new QVBoxLayout(&parent);
    auto* table = new QTableView(&parent);
    layout->addWidget(table);
    ConstantModel model(int(state.range(0)), variableCount + 1);
    table->setModel(&model);
    OpenTable::showAndLayout(parent);
    benchmark::DoNotOptimize(table->verticalHeader()->length());
  }
}

void SortByColumn(benchmark::State& state)
{
  loadProject(state.range(0));
  UndoStack::SuspendUndoRecording notRecorded;
  Pipeline shared;
  OpenTable table(shared);
  Qt::SortOrder order = Qt::DescendingOrder;
  for (auto _ : state)
  {
    table.view->tableView().sortByColumn(1, order);
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
}

void SortByColumnBaseline(benchmark::State& state)
{
  loadProject(state.range(0));
  const std::vector<double> values = firstVariableValues();
  for (auto _ : state)
  {
    std::vector<double> copy = values;
    std::sort(copy.begin(), copy.end());
    benchmark::DoNotOptimize(copy.data());
  }
}

// Each iteration replaces a selection of scattered cases with another of the same size.
void SharedSelection(benchmark::State& state)
{
  loadProject(selectionCases);
  UndoStack::SuspendUndoRecording notRecorded;
  Pipeline shared;
  OpenTable table(shared);
  const std::set<uint64_t> first = asSet(scatteredCases(selectionCases, state.range(0), 0));
  const std::set<uint64_t> second = asSet(scatteredCases(selectionCases, state.range(0), 1));
  bool flip = false;
  for (auto _ : state)
  {
    shared.selection->setSelection(flip ? first : second);
    flip = !flip;
  }
}

void SharedSelectionFromEmpty(benchmark::State& state)
{
  loadProject(selectionCases);
  UndoStack::SuspendUndoRecording notRecorded;
  Pipeline shared;
  OpenTable table(shared);
  const std::set<uint64_t> chosen = asSet(scatteredCases(selectionCases, state.range(0), 0));
  for (auto _ : state)
  {
    state.PauseTiming();
    shared.selection->setSelection({});
    state.ResumeTiming();
    shared.selection->setSelection(chosen);
  }
}

void SharedSelectionBaseline(benchmark::State& state)
{
  const std::vector<uint64_t> ids = scatteredCases(selectionCases, state.range(0), 0);
  for (auto _ : state)
  {
    std::vector<uint64_t> copy = ids;
    std::sort(copy.begin(), copy.end());
    benchmark::DoNotOptimize(copy.data());
  }
}

void SharedSelectionFromEmptyBaseline(benchmark::State& state)
{
  SharedSelectionBaseline(state);
}

void selectionSizes(benchmark::internal::Benchmark* benchmark)
{
  for (int64_t size : { 1000, 2000, 10000, 20000, 100000, 200000 })
    benchmark->Arg(size);
  benchmark->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(OpenAndLayout)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAndLayoutBaseline)
  ->Arg(10000)
  ->Arg(100000)
  ->Arg(1000000)
  ->Unit(benchmark::kMillisecond);
BENCHMARK(SortByColumn)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByColumnBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SharedSelection)->Apply(selectionSizes);
BENCHMARK(SharedSelectionBaseline)->Apply(selectionSizes);
BENCHMARK(SharedSelectionFromEmpty)->Apply(selectionSizes);
BENCHMARK(SharedSelectionFromEmptyBaseline)->Apply(selectionSizes);

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  UndoStack::clear();
  return 0;
}
