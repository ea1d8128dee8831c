#include "bench/BenchProject.h"
#include "bench/RatioReporter.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/SelectionModel.h"

#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <cstring>
#include <set>
#include <unordered_set>
#include <vtkDoubleArray.h>
#include <vtkTable.h>

namespace
{

/// The plain pass the pipeline is measured against: every value of every variable read once.
double sumOfColumns()
{
  double sum = 0.0;
  for (const auto& handle : Project::project().variables())
  {
    auto* column = vtkDoubleArray::SafeDownCast(handle.lock()->column().array());
    if (!column)
      continue;
    const double* values = column->GetPointer(0);
    for (vtkIdType i = 0; i < column->GetNumberOfValues(); ++i)
      sum += values[i];
  }
  return sum;
}

boost::shared_ptr<RangeFilter> halfFilter()
{
  return boost::make_shared<RangeFilter>(Project::project().variable("V0"), 0.0, 50.0);
}

vtkTable* update(const vtkSmartPointer<vtkTableAlgorithm>& algorithm)
{
  algorithm->Update();
  return vtkTable::SafeDownCast(algorithm->GetOutputDataObject(0));
}

/// Memory of the arrays of both outputs, each array once, over the project's column data.
double outputMemoryRatio(DataPipelineManager& pipeline)
{
  std::unordered_set<vtkAbstractArray*> arrays;
  for (vtkTable* table : { update(pipeline.unfilteredOutput()), update(pipeline.filteredOutput()) })
    for (vtkIdType c = 0; c < table->GetNumberOfColumns(); ++c)
      arrays.insert(table->GetColumn(c));
  double outputs = 0.0;
  for (vtkAbstractArray* array : arrays)
    outputs += static_cast<double>(array->GetActualMemorySize()) * 1024.0;
  double raw = 0.0;
  for (const auto& handle : Project::project().variables())
    raw += static_cast<double>(handle.lock()->column().size()) * 8.0;
  return outputs / raw;
}

void BuildOutputs(benchmark::State& state)
{
  loadProject(state.range(0));
  UndoStack::SuspendUndoRecording notRecorded;
  auto selection = boost::make_shared<SelectionModel>();
  double memory = 0.0;
  for (auto _ : state)
  {
    DataPipelineManager pipeline(selection);
    pipeline.addFilter(halfFilter());
    benchmark::DoNotOptimize(update(pipeline.unfilteredOutput()));
    benchmark::DoNotOptimize(update(pipeline.filteredOutput()));
    state.PauseTiming();
    memory = outputMemoryRatio(pipeline);
    state.ResumeTiming();
  }
  state.counters["outputMemory/raw"] = memory;
}

void BuildOutputsBaseline(benchmark::State& state)
{
  loadProject(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(sumOfColumns());
}

void RangeFilterChange(benchmark::State& state)
{
  loadProject(state.range(0));
  UndoStack::SuspendUndoRecording notRecorded;
  DataPipelineManager pipeline(boost::make_shared<SelectionModel>());
  const auto filter = halfFilter();
  pipeline.addFilter(filter);
  update(pipeline.filteredOutput());
  double high = 50.0;
  for (auto _ : state)
  {
    high = high == 50.0 ? 60.0 : 50.0;
    filter->setRange(0.0, high);
    benchmark::DoNotOptimize(update(pipeline.filteredOutput()));
  }
}

void RangeFilterChangeBaseline(benchmark::State& state)
{
  BuildOutputsBaseline(state);
}

std::set<uint64_t> everyTenthCase(int64_t cases, uint64_t offset)
{
  std::set<uint64_t> ids;
  for (int64_t i = 0; i < cases; i += 10)
    ids.insert(static_cast<uint64_t>(i) + offset);
  return ids;
}

void SelectionToMask(benchmark::State& state)
{
  const int64_t cases = state.range(0);
  loadProject(cases);
  UndoStack::SuspendUndoRecording notRecorded;
  auto selection = boost::make_shared<SelectionModel>();
  DataPipelineManager pipeline(selection);
  pipeline.addFilter(halfFilter());
  const std::set<uint64_t> sets[] = { everyTenthCase(cases, 1), everyTenthCase(cases, 2) };
  int which = 0;
  for (auto _ : state)
  {
    selection->setSelection(sets[which]);
    which = 1 - which;
    benchmark::DoNotOptimize(pipeline.selectionMask()->GetPointer(0));
  }
  state.counters["selected"] = static_cast<double>(sets[0].size());
}

/// Marking the selected identifiers in a plain byte per case, identifiers being rows + 1.
void SelectionToMaskBaseline(benchmark::State& state)
{
  const int64_t cases = state.range(0);
  const std::set<uint64_t> ids = everyTenthCase(cases, 1);
  std::vector<unsigned char> mask(static_cast<std::size_t>(cases));
  for (auto _ : state)
  {
    const std::set<uint64_t> copy = ids;
    std::memset(mask.data(), 0, mask.size());
    for (uint64_t id : copy)
      mask[id - 1] = 1;
    benchmark::DoNotOptimize(mask.data());
  }
}

} // namespace

// Each benchmark runs right beside its baseline, so both see the same memory state.
BENCHMARK(BuildOutputs)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildOutputsBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildOutputs)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildOutputsBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RangeFilterChange)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RangeFilterChangeBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectionToMask)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectionToMaskBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
