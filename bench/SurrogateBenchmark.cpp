#include "bench/RatioReporter.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/surrogate/InterpolationVariablesAbstract.h"
#include "host/surrogate/SurrogateModel.h"
#include "host/surrogate/SurrogateModelManager.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/viewsupport/SelectionModel.h"
#include "property/Property.h"

#include <Eigen/Dense>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <cmath>
#include <vtkTable.h>

namespace
{

constexpr int inputCount = 5;

/// Five inputs on a scattered set over [0, 1] (Halton) and one smooth output.
SurrogateModelSamples samples(int64_t cases)
{
  static const int bases[inputCount] = { 2, 3, 5, 7, 11 };
  SurrogateModelSamples result;
  for (int k = 0; k < inputCount; ++k)
    result.inputNames.push_back("X" + std::to_string(k));
  result.outputName = "Y";
  for (int64_t i = 1; i <= cases; ++i)
  {
    double sum = 0.0;
    for (int k = 0; k < inputCount; ++k)
    {
      double x = 0.0;
      for (double base = 1.0 / bases[k], n = static_cast<double>(i); n > 0;
           base /= bases[k], n = std::floor(n / bases[k]))
        x += base * std::fmod(n, bases[k]);
      result.inputs.push_back(x);
      sum += std::sin(3.0 * x + k);
    }
    result.outputs.push_back(sum);
  }
  return result;
}

void Fit(benchmark::State& state)
{
  const SurrogateModelSamples cases = samples(state.range(0));
  for (auto _ : state)
  {
    SurrogateModel model(cases);
    benchmark::DoNotOptimize(model.caseCount());
  }
  SurrogateModel model(cases);
  state.SetLabel(model.kindText());
}

/// The bare linear algebra of the fit: one LU of the interpolation system's size, or one QR of
/// the quadratic surface's design matrix.
void FitBaseline(benchmark::State& state)
{
  const auto n = static_cast<Eigen::Index>(state.range(0));
  const bool interpolates =
    state.range(0) <= static_cast<int64_t>(SurrogateModel::maxInterpolatedCases);
  const Eigen::MatrixXd matrix = interpolates
                                   ? Eigen::MatrixXd::Random(n + inputCount + 1, n + inputCount + 1)
                                   : Eigen::MatrixXd::Random(n, 21);
  for (auto _ : state)
  {
    if (interpolates)
      benchmark::DoNotOptimize(Eigen::PartialPivLU<Eigen::MatrixXd>(matrix).rcond());
    else
      benchmark::DoNotOptimize(Eigen::ColPivHouseholderQR<Eigen::MatrixXd>(matrix).rank());
  }
}

void CrossValidation(benchmark::State& state)
{
  const SurrogateModelSamples cases = samples(state.range(0));
  for (auto _ : state)
  {
    state.PauseTiming();
    SurrogateModel model(cases);
    state.ResumeTiming();
    benchmark::DoNotOptimize(model.crossValidatedError());
  }
}

/// A project of 1000 cases of the five inputs and one output, as the query reads it.
void loadProject()
{
  static bool loaded = false;
  if (loaded)
    return;
  const SurrogateModelSamples cases = samples(1000);
  ProjectContents contents;
  for (const auto& name : cases.inputNames)
    contents.addVariable(name, Variable::Independent, ValueType::Real);
  contents.addVariable(cases.outputName, Variable::Dependent, ValueType::Real);
  for (std::size_t c = 0; c < cases.caseCount(); ++c)
  {
    std::vector<Variant> values(cases.inputs.begin() + static_cast<std::ptrdiff_t>(c * inputCount),
      cases.inputs.begin() + static_cast<std::ptrdiff_t>((c + 1) * inputCount));
    values.emplace_back(cases.outputs[c]);
    contents.addRecord(c + 1, values);
  }
  Project::project().assign(std::move(contents));
  loaded = true;
}

/// Varies the first two inputs over a 100 x 100 grid.
class GridVariables : public InterpolationVariablesAbstract
{
public:
  using InterpolationVariablesAbstract::InterpolationVariablesAbstract;
  std::set<uint64_t> nonInputAxisVariables() const override
  {
    return { Project::project().variable("Y").id() };
  }

private:
  PointsPtr interpolationPoints(const WeakPtr<Variable>& variable) const override
  {
    const auto inputs = manager()->inputVariables();
    if (variable != inputs[0] && variable != inputs[1])
      return nullptr;
    return boost::make_shared<DistributedPoints>(std::make_pair(0.0, 1.0), 100);
  }
};

struct QuerySetup
{
  QuerySetup()
  {
    loadProject();
    pipeline = boost::make_shared<DataPipelineManager>(boost::make_shared<SelectionModel>());
    manager = boost::make_shared<SurrogateModelManager>(pipeline);
    variables = boost::make_shared<GridVariables>(manager,
      boost::make_shared<vantor::Property<SurrogateModelUserDistCollection>>(),
      InterpolationVariablesAbstract::gridFlag);
    query = vtkSmartPointer<SurrogateModelQueryToTable>::Take(
      SurrogateModelQueryToTable::New(manager, variables));
    query->Update();
  }

  boost::shared_ptr<DataPipelineManager> pipeline;
  boost::shared_ptr<SurrogateModelManager> manager;
  boost::shared_ptr<GridVariables> variables;
  vtkSmartPointer<SurrogateModelQueryToTable> query;
};

void GridQuery(benchmark::State& state)
{
  QuerySetup setup;
  for (auto _ : state)
  {
    setup.query->Modified();
    setup.query->Update();
    benchmark::DoNotOptimize(setup.query->GetOutputDataObject(0));
  }
}

/// The same model on the same points, asked point by point in a plain loop.
void GridQueryBaseline(benchmark::State& state)
{
  QuerySetup setup;
  const SurrogateModel& model = setup.manager->model(Project::project().variable("Y").id());
  const auto values = setup.variables->inputIndependentVariables();
  const auto inputs = setup.manager->inputVariables();
  std::vector<double> point(inputCount);
  for (int k = 2; k < inputCount; ++k)
    point[static_cast<std::size_t>(k)] = values.at(inputs[static_cast<std::size_t>(k)]).front();
  const std::vector<double>& grid = values.at(inputs[0]);
  std::vector<double> predictions(grid.size() * grid.size());
  for (auto _ : state)
  {
    std::size_t p = 0;
    for (double x0 : grid)
      for (double x1 : grid)
      {
        point[0] = x0;
        point[1] = x1;
        predictions[p++] = model.predict(point.data());
      }
    benchmark::DoNotOptimize(predictions.data());
  }
}

} // namespace

BENCHMARK(Fit)->Arg(1000)->Arg(2000)->Arg(2001)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(FitBaseline)->Arg(1000)->Arg(2000)->Arg(2001)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(CrossValidation)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridQuery)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(GridQueryBaseline)->Arg(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
