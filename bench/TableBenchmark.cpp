#include "bench/BenchProject.h"
#include "bench/RatioReporter.h"

#include "analyzer/dataviews/table/TableView.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/viewsupport/SelectionModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <memory>
#include <set>
#include <vtkDoubleArray.h>
#include <vtkIdTypeArray.h>

namespace
{

struct OpenTable
{
  boost::shared_ptr<SelectionModel> selection = boost::make_shared<SelectionModel>();
  boost::shared_ptr<DataPipelineManager> pipeline =
    boost::make_shared<DataPipelineManager>(selection);
  std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
  boost::shared_ptr<TableView> view;

  void open()
  {
    view = boost::make_shared<TableView>(pipeline, selection, *parent);
    parent->resize(1000, 700);
    parent->show();
    QApplication::processEvents();
  }
};

// The plain pass the table is measured against: every case id read once.
uint64_t passOverCaseIds()
{
  const auto& column = Project::project().caseIdVariable().lock()->column();
  uint64_t sum = 0;
  vtkAbstractArray* array = column.array();
  for (vtkIdType row = 0; row < array->GetNumberOfValues(); ++row)
    sum += array->GetVariantValue(row).ToTypeUInt64();
  return sum;
}

std::vector<double> firstVariableValues()
{
  auto* values =
    vtkDoubleArray::SafeDownCast(Project::project().variable("V0").lock()->column().array());
  return std::vector<double>(
    values->GetPointer(0), values->GetPointer(0) + values->GetNumberOfValues());
}

std::set<uint64_t> scatteredCases(int64_t cases, int64_t count)
{
  std::set<uint64_t> ids;
  const int64_t step = cases / count;
  for (int64_t i = 0; i < count; ++i)
    ids.insert(static_cast<uint64_t>(i * step + (i % 3) + 1));
  return ids;
}

void OpenAndLayout(benchmark::State& state)
{
  loadProject(state.range(0));
  UndoStack::SuspendUndoRecording notRecorded;
  for (auto _ : state)
  {
    OpenTable table;
    table.open();
    benchmark::DoNotOptimize(table.view->height());
  }
}

void OpenAndLayoutBaseline(benchmark::State& state)
{
  loadProject(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(passOverCaseIds());
}

void SortByColumn(benchmark::State& state)
{
  loadProject(state.range(0));
  UndoStack::SuspendUndoRecording notRecorded;
  OpenTable table;
  table.open();
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

void SharedSelection(benchmark::State& state)
{
  const int64_t cases = 1000000;
  loadProject(cases);
  UndoStack::SuspendUndoRecording notRecorded;
  OpenTable table;
  table.open();
  const std::set<uint64_t> first = scatteredCases(cases, state.range(0));
  std::set<uint64_t> second;
  for (uint64_t id : first)
    second.insert(id + 1);
  bool flip = false;
  for (auto _ : state)
  {
    table.selection->setSelection(flip ? first : second);
    flip = !flip;
  }
}

void SharedSelectionBaseline(benchmark::State& state)
{
  loadProject(1000000);
  for (auto _ : state)
    benchmark::DoNotOptimize(passOverCaseIds());
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
BENCHMARK(SharedSelection)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SharedSelectionBaseline)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

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
