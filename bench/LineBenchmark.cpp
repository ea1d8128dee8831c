#include "bench/RatioReporter.h"

#include "analyzer/dataviews/line/RawDataPlotBuilder.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "analyzer/dataviews/line/SortTable.h"
#include "analyzer/dataviews/line/SplitTableByColumn.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/core/UndoStack.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <random>
#include <string>
#include <vector>
#include <vtkDoubleArray.h>
#include <vtkNew.h>
#include <vtkPlot.h>
#include <vtkStringArray.h>
#include <vtkTable.h>
#include <vtkTrivialProducer.h>
#include <vtkTypeUInt64Array.h>

namespace
{

const int groupCount = 1000;

/// A pipeline-like table: case ids, random x and y, and a numeric and a text grouping column
/// with a thousand values each.
struct LineData
{
  vtkNew<vtkTable> table;
  std::vector<double> x;
  std::vector<double> groupKeys;
  std::vector<std::string> groupTexts;

  explicit LineData(vtkIdType rows)
  {
    ProjectContents contents;
    for (const char* name : { "x", "y", "group", "label" })
      contents.addVariable(name, Variable::Independent, ValueType::Real);
    Project::project().assign(std::move(contents));

    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> real(0.0, 1000.0);
    vtkNew<vtkTypeUInt64Array> ids;
    vtkNew<vtkDoubleArray> xs, ys, groups;
    vtkNew<vtkStringArray> labels;
    ids->SetName("Case");
    xs->SetName("x");
    ys->SetName("y");
    groups->SetName("group");
    labels->SetName("label");
    for (vtkIdType row = 0; row < rows; ++row)
    {
      const int group = int(random() % groupCount);
      x.push_back(real(random));
      groupKeys.push_back(group * 0.5);
      groupTexts.push_back("Run " + std::to_string(group));
      ids->InsertNextValue(uint64_t(row + 1));
      xs->InsertNextValue(x.back());
      ys->InsertNextValue(real(random));
      groups->InsertNextValue(groupKeys.back());
      labels->InsertNextValue(groupTexts.back());
    }
    for (vtkAbstractArray* column : std::vector<vtkAbstractArray*>{ ids, xs, ys, groups, labels })
      table->AddColumn(column);
  }
};

void SortTableByReal(benchmark::State& state)
{
  LineData data(state.range(0));
  vtkNew<SortTable> sort;
  sort->SetInputData(data.table);
  sort->sortBy()->setValue(Project::project().variable("x"));
  for (auto _ : state)
  {
    sort->Modified();
    sort->Update();
  }
}

void SortTableByRealBaseline(benchmark::State& state)
{
  LineData data(state.range(0));
  for (auto _ : state)
  {
    std::vector<double> values = data.x;
    std::sort(values.begin(), values.end());
    benchmark::DoNotOptimize(values.data());
  }
}

void splitBy(benchmark::State& state, const char* variable)
{
  LineData data(state.range(0));
  vtkNew<SplitTableByColumn> split;
  split->SetInputData(data.table);
  split->groupData(0)->setValue(true);
  split->groupDataVariable(0)->setValue(Project::project().variable(variable));
  for (auto _ : state)
  {
    split->Modified();
    split->Update();
  }
  state.counters["groups"] = double(split->groupTables().size());
}

void SplitByRealKey(benchmark::State& state)
{
  splitBy(state, "group");
}

void SplitByRealKeyBaseline(benchmark::State& state)
{
  LineData data(state.range(0));
  for (auto _ : state)
  {
    std::vector<double> values = data.groupKeys;
    std::sort(values.begin(), values.end());
    benchmark::DoNotOptimize(values.data());
  }
}

void SplitByTextKey(benchmark::State& state)
{
  splitBy(state, "label");
}

void SplitByTextKeyBaseline(benchmark::State& state)
{
  LineData data(state.range(0));
  for (auto _ : state)
  {
    std::vector<std::string> values = data.groupTexts;
    std::sort(values.begin(), values.end());
    benchmark::DoNotOptimize(values.data());
  }
}

/// Plots of a thousand groups, each computing its points as it does before it is drawn.
void BuildPlots(benchmark::State& state)
{
  LineData data(state.range(0));
  vtkNew<vtkTrivialProducer> source;
  source->SetOutput(data.table);
  RawDataPlotBuilder builder(source.Get(), boost::make_shared<SolidLineColorAssigner>());
  builder.xVar()->setValue(Project::project().variable("x"));
  builder.yVar()->setValue(Project::project().variable("y"));
  builder.sortBy()->setValue(Project::project().variable("x"));
  builder.colorByData()->setValue(true);
  builder.colorVar()->setValue(Project::project().variable("group"));
  builder.outputAlgorithm()->Update();
  for (auto _ : state)
  {
    builder.rebuildPlots();
    for (const auto& plot : builder.plots())
      plot->Update();
  }
  state.counters["plots"] = double(builder.plots().size());
}

void BuildPlotsBaseline(benchmark::State& state)
{
  splitBy(state, "group");
}

} // namespace

BENCHMARK(BuildPlots)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildPlotsBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortTableByReal)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortTableByRealBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SplitByRealKey)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SplitByRealKeyBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SplitByTextKey)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SplitByTextKeyBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  UndoStack::clear();
  return 0;
}
