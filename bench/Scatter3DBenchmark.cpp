#include "analyzer/dataviews/scatter3d/EntireTableToPolyData.h"
#include "analyzer/dataviews/scatter3d/PositionTransformFilter.h"
#include "analyzer/dataviews/scatter3d/Scatter3DScaleFactorCalculator.h"
#include "analyzer/dataviews/scatter3d/ScatterPlot3DSelection.h"
#include "bench/BenchProject.h"
#include "bench/RatioReporter.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/plotsupport/InvalidPointsFilter.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/viewsupport/SelectionModel.h"
#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"
#include "property/PropertyInstantiations.h"

#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <vtkCubeAxesActor2D.h>
#include <vtkDoubleArray.h>
#include <vtkNew.h>
#include <vtkPlane.h>
#include <vtkPlanes.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>
#include <vtkTable.h>
#include <vtkTransform.h>

namespace
{

using VariableProperty = vantor::Property<WeakPtr<Variable>>;

/// The 3D view's CPU side over a project of `cases` cases: pipeline, numeric columns, valid
/// points, points with every column, positions in the axes box.
struct Chain
{
  explicit Chain(int64_t cases)
  {
    loadProject(cases);
    numeric->SetInputConnection(pipeline.filteredOutput()->GetOutputPort());
    valid->SetInputConnection(numeric->GetOutputPort());
    valid->setVariables({ axis("V0"), axis("V1"), axis("V7") });
    points->SetInputConnection(valid->GetOutputPort());
    points->SetXColumn("V0");
    points->SetYColumn("V1");
    points->SetZColumn("V7");
    positions->SetInputConnection(points->GetOutputPort());
    vtkNew<vtkTransform> scale;
    scale->Scale(2.0, 1.0, 1.0);
    positions->SetTransform(scale);
    positions->Update();
  }

  static boost::shared_ptr<VariableProperty> axis(const char* name)
  {
    return boost::make_shared<VariableProperty>(Project::project().variable(name));
  }

  static vtkDoubleArray* column(const char* name)
  {
    return vtkDoubleArray::SafeDownCast(Project::project().variable(name).lock()->column().array());
  }

  /// The plotted columns changed: every stage has its work to do again.
  void touchPlottedColumns()
  {
    for (const char* name : { "V0", "V1", "V7" })
      column(name)->Modified();
    pipeline.filteredOutput()->Modified();
  }

  UndoStack::SuspendUndoRecording notRecorded;
  boost::shared_ptr<SelectionModel> selection = boost::make_shared<SelectionModel>();
  DataPipelineManager pipeline{ selection };
  vtkNew<vtkVariantToNumericAlgorithm> numeric;
  vtkNew<InvalidPointsFilter> valid;
  vtkNew<EntireTableToPolyData> points;
  vtkNew<PositionTransformFilter> positions;
};

void TableToPositions(benchmark::State& state)
{
  Chain chain(state.range(0));
  for (auto _ : state)
  {
    chain.touchPlottedColumns();
    chain.positions->Update();
    benchmark::DoNotOptimize(chain.positions->GetOutput()->GetPoints());
  }
}

/// Copying the three plotted columns into a vtkPoints.
void TableToPositionsBaseline(benchmark::State& state)
{
  const int64_t cases = state.range(0);
  loadProject(cases);
  const double* columns[] = { Chain::column("V0")->GetPointer(0),
    Chain::column("V1")->GetPointer(0),
    Chain::column("V7")->GetPointer(0) };
  for (auto _ : state)
  {
    vtkNew<vtkPoints> points;
    points->SetDataTypeToDouble();
    points->SetNumberOfPoints(cases);
    auto* xyz = static_cast<double*>(points->GetVoidPointer(0));
    for (int64_t i = 0; i < cases; ++i)
    {
      xyz[3 * i] = columns[0][i];
      xyz[3 * i + 1] = columns[1][i];
      xyz[3 * i + 2] = columns[2][i];
    }
    benchmark::DoNotOptimize(xyz);
  }
}

/// A box frustum holding the positions with x (twice V0) in the given tenth of its range.
vtkSmartPointer<vtkPlanes> tenthOfTheCases(int tenth = 0)
{
  auto frustum = vtkSmartPointer<vtkPlanes>::New();
  frustum->SetBounds(20.0 * tenth - 0.01, 20.0 * (tenth + 1), -1.0, 101.0, -1.0, 101.0);
  return frustum;
}

void RubberBandSelection(benchmark::State& state)
{
  Chain chain(state.range(0));
  PlotSelectionModel picks(nullptr, chain.selection);
  const vtkSmartPointer<vtkPlanes> frusta[] = { tenthOfTheCases(0), tenthOfTheCases(1) };
  int which = 0;
  for (auto _ : state)
  {
    picks.setSelection(ScatterPlot3DSelection::casesInFrustum(*chain.positions, *frusta[which]));
    which = 1 - which;
  }
  state.counters["selected"] = static_cast<double>(chain.selection->getSelections().size());
}

/// One pass testing every drawn position against the six planes of the frustum.
void RubberBandSelectionBaseline(benchmark::State& state)
{
  Chain chain(state.range(0));
  const vtkSmartPointer<vtkPlanes> frustum = tenthOfTheCases();
  vtkPoints* points = chain.positions->GetOutput()->GetPoints();
  double normals[6][3];
  double origins[6][3];
  for (int p = 0; p < 6; ++p)
  {
    frustum->GetPlane(p)->GetNormal(normals[p]);
    frustum->GetPlane(p)->GetOrigin(origins[p]);
  }
  for (auto _ : state)
  {
    int64_t inside = 0;
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i)
    {
      double* x = points->GetPoint(i);
      bool in = true;
      for (int p = 0; p < 6 && in; ++p)
        in = vtkPlane::Evaluate(normals[p], origins[p], x) <= 0.0;
      inside += in;
    }
    benchmark::DoNotOptimize(inside);
  }
}

/// A shared selection of a tenth of the cases, as the table would make it, reaching the 3D
/// view's selection shells.
void OverlayUpdate(benchmark::State& state)
{
  const int64_t cases = state.range(0);
  Chain chain(cases);
  vtkNew<vtkRenderer> renderer;
  vtkNew<vtkCubeAxesActor2D> axes;
  auto shape = boost::make_shared<vantor::Property<ScatterPlot3DInterface::Shape>>(
    ScatterPlot3DInterface::Sphere);
  ScatterPlot3DSelection overlay(renderer.Get(),
    chain.positions.Get(),
    shape,
    chain.pipeline.selectionMask(),
    boost::make_shared<PlotSelectionModel>(nullptr, chain.selection),
    boost::make_shared<Scatter3DScaleFactorCalculator>(axes.Get()));
  // Ascending ids, as the table hands over the cases of its selected rows; each turn hands
  // over its own copy, as the table keeps its own.
  std::vector<uint64_t> picks[2];
  for (int which = 0; which < 2; ++which)
    for (int64_t i = 0; i < cases; i += 10)
      picks[which].push_back(static_cast<uint64_t>(i + 1 + which));
  int which = 0;
  for (auto _ : state)
  {
    chain.selection->setSortedSelection(picks[which]);
    which = 1 - which;
    benchmark::DoNotOptimize(chain.positions->GetOutput());
  }
}

/// Rebuilding the whole glyph input: every stage from the table to the drawn positions.
void OverlayUpdateBaseline(benchmark::State& state)
{
  TableToPositions(state);
}

/// The 3D view's own part of a selection change, after the pipeline has updated its mask: the
/// mask announces a change and the shells are brought up to date.
void OverlayRefresh(benchmark::State& state)
{
  Chain chain(state.range(0));
  vtkNew<vtkRenderer> renderer;
  vtkNew<vtkCubeAxesActor2D> axes;
  auto shape = boost::make_shared<vantor::Property<ScatterPlot3DInterface::Shape>>(
    ScatterPlot3DInterface::Sphere);
  ScatterPlot3DSelection overlay(renderer.Get(),
    chain.positions.Get(),
    shape,
    chain.pipeline.selectionMask(),
    boost::make_shared<PlotSelectionModel>(nullptr, chain.selection),
    boost::make_shared<Scatter3DScaleFactorCalculator>(axes.Get()));
  for (auto _ : state)
  {
    chain.pipeline.selectionMask()->Modified();
    benchmark::DoNotOptimize(chain.positions->GetOutput());
  }
}

void OverlayRefreshBaseline(benchmark::State& state)
{
  TableToPositions(state);
}

} // namespace

BENCHMARK(TableToPositions)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(TableToPositionsBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(TableToPositions)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(TableToPositionsBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandSelection)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandSelectionBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandSelection)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandSelectionBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayUpdate)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayUpdateBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayUpdate)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayUpdateBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayRefresh)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayRefreshBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayRefresh)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayRefreshBaseline)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
