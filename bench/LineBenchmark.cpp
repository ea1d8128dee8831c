#include "bench/RatioReporter.h"

#include "analyzer/dataviews/line/FilteredCasesSource.h"
#include "analyzer/dataviews/line/RawDataPlotBuilder.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "analyzer/dataviews/line/SortTable.h"
#include "analyzer/dataviews/line/SplitTableByColumn.h"
#include "host/charts/ChartXY.h"
#include "host/charts/DataView2DSelectionSynchronizer.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/SelectionModel.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <random>
#include <set>
#include <string>
#include <vector>
#include <vtkDoubleArray.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkPlot.h>
#include <vtkRenderWindowInteractor.h>
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

/// A line plot's side of the shared selection over a project of `rows` cases: the pipeline,
/// one line of the cases sorted by x, and its highlight; two selections of a tenth of the
/// cases each, scattered along the line, to replace one by the other.
struct SelectionChain
{
  explicit SelectionChain(vtkIdType rows)
  {
    ProjectContents contents;
    for (const char* name : { "x", "y" })
      contents.addVariable(name, Variable::Independent, ValueType::Real);
    contents.reserve(static_cast<std::size_t>(rows));
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> real(0.0, 1000.0);
    for (vtkIdType row = 0; row < rows; ++row)
      contents.addRecord(uint64_t(row + 1), { real(random), real(random) });
    Project::project().assign(std::move(contents));

    cases->setPipeline(pipeline);
    builder.xVar()->setValue(Project::project().variable("x"));
    builder.yVar()->setValue(Project::project().variable("y"));
    builder.sortBy()->setValue(Project::project().variable("x"));
    rebuild();
    for (auto& tenth : tenths)
      while (tenth.size() < std::size_t(rows / 10))
        tenth.insert(random() % uint64_t(rows) + 1);
  }

  void rebuild()
  {
    builder.outputAlgorithm()->Update();
    builder.rebuildPlots();
    synchronizer.setPlotsToSynchronize(builder.plots());
    synchronizer.updateChartSelections();
  }

  void replaceSelection(std::size_t turn)
  {
    selection->setSelection(tenths[turn % 2]);
    builder.outputAlgorithm()->Update();
    synchronizer.updateChartSelections();
  }

  UndoStack::SuspendUndoRecording notRecorded;
  boost::shared_ptr<SelectionModel> selection = boost::make_shared<SelectionModel>();
  boost::shared_ptr<DataPipelineManager> pipeline =
    boost::make_shared<DataPipelineManager>(selection);
  vtkNew<FilteredCasesSource> cases;
  RawDataPlotBuilder builder{ cases.Get(), boost::make_shared<SolidLineColorAssigner>() };
  vtkSmartPointer<ChartXY> chart = vtkSmartPointer<ChartXY>::New();
  DataView2DSelectionSynchronizer synchronizer{ chart,
    boost::make_shared<PlotSelectionModel>(nullptr, selection) };
  std::set<uint64_t> tenths[2];
};

/// A new selection reaches the line's highlight; no table stage runs.
void ReplaceSelection(benchmark::State& state)
{
  SelectionChain chain(state.range(0));
  std::size_t turn = 0;
  for (auto _ : state)
    chain.replaceSelection(turn++);
  state.counters["highlighted"] =
    double(chain.builder.plots()[0]->GetSelection()->GetNumberOfTuples());
}

/// The same as the chart did it before: the selection made every table stage run again.
void ReplaceSelectionRebuilding(benchmark::State& state)
{
  SelectionChain chain(state.range(0));
  std::size_t turn = 0;
  for (auto _ : state)
  {
    chain.selection->setSelection(chain.tenths[turn++ % 2]);
    chain.cases->Modified();
    chain.rebuild();
  }
}

void sortSelectedIds(benchmark::State& state)
{
  const auto rows = uint64_t(state.range(0));
  std::mt19937_64 random(7);
  std::vector<uint64_t> ids;
  for (uint64_t i = 0; i < rows / 10; ++i)
    ids.push_back(random() % rows + 1);
  for (auto _ : state)
  {
    std::vector<uint64_t> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    benchmark::DoNotOptimize(sorted.data());
  }
}

void ReplaceSelectionBaseline(benchmark::State& state)
{
  sortSelectedIds(state);
}

void ReplaceSelectionRebuildingBaseline(benchmark::State& state)
{
  sortSelectedIds(state);
}

} // namespace

BENCHMARK(ReplaceSelection)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceSelectionBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceSelectionRebuilding)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceSelectionRebuildingBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
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
