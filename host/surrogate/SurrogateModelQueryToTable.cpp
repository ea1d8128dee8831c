#include "host/surrogate/SurrogateModelQueryToTable.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/project/Project.h"
#include "host/surrogate/InterpolationVariablesInterface.h"
#include "host/surrogate/SurrogateModelError.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vtkDoubleArray.h>
#include <vtkIdTypeArray.h>
#include <vtkInformation.h>
#include <vtkNew.h>
#include <vtkTable.h>

namespace
{

/// Everything an execution depends on: equal keys give equal tables.
struct QueryKey
{
  uint64_t generation = 0;
  std::vector<std::pair<uint64_t, std::vector<double>>> values;
  std::set<uint64_t> shownOutputs;

  bool operator==(const QueryKey& other) const
  {
    return generation == other.generation && values == other.values &&
           shownOutputs == other.shownOutputs;
  }
};

vtkSmartPointer<vtkDoubleArray> realColumn(const std::string& name, vtkIdType rows, double fill)
{
  auto column = vtkSmartPointer<vtkDoubleArray>::New();
  column->SetName(name.c_str());
  column->SetNumberOfValues(rows);
  column->Fill(fill);
  return column;
}

} // namespace

struct SurrogateModelQueryToTable::Impl
{
  QueryKey currentKey() const;
  /// The sample points, point after point, and their count.
  std::pair<std::vector<double>, vtkIdType> samplePoints(
    const std::vector<std::vector<double>>& inputValues);

  boost::shared_ptr<const SurrogateModelManagerInterface> manager;
  boost::shared_ptr<const InterpolationVariablesInterface> interpolationVariables;
  QueryKey executedKey;
  bool executed = false;
  std::string lastError;
  SignalConnectionCollection connections;
};

QueryKey SurrogateModelQueryToTable::Impl::currentKey() const
{
  QueryKey key;
  key.generation = manager->generation();
  const auto values = interpolationVariables->inputIndependentVariables();
  for (const auto& input : manager->inputVariables())
  {
    auto found = values.find(input);
    key.values.emplace_back(
      input.id(), found == values.end() ? std::vector<double>() : found->second);
  }
  key.shownOutputs = interpolationVariables->nonInputAxisVariables();
  return key;
}

std::pair<std::vector<double>, vtkIdType> SurrogateModelQueryToTable::Impl::samplePoints(
  const std::vector<std::vector<double>>& inputValues)
{
  if (inputValues.empty())
    return {};
  vtkIdType count = 1;
  for (const auto& values : inputValues)
  {
    count *= static_cast<vtkIdType>(values.size());
    if (count > maxSamples)
    {
      lastError = "The surrogate models are asked for more than " + std::to_string(maxSamples) +
                  " samples; give fewer points in the value distribution.";
      return {};
    }
  }
  const std::size_t d = inputValues.size();
  std::vector<double> points(static_cast<std::size_t>(count) * d);
  std::vector<std::size_t> index(d, 0);
  for (vtkIdType s = 0; s < count; ++s)
  {
    for (std::size_t k = 0; k < d; ++k)
      points[static_cast<std::size_t>(s) * d + k] = inputValues[k][index[k]];
    for (std::size_t k = d; k-- > 0;)
    {
      if (++index[k] < inputValues[k].size())
        break;
      index[k] = 0;
    }
  }
  return { std::move(points), count };
}

SurrogateModelQueryToTable* SurrogateModelQueryToTable::New(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  boost::shared_ptr<const InterpolationVariablesInterface> interpolationVariables)
{
  auto* query =
    new SurrogateModelQueryToTable(std::move(manager), std::move(interpolationVariables));
  query->InitializeObjectBase();
  return query;
}

SurrogateModelQueryToTable::SurrogateModelQueryToTable(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  boost::shared_ptr<const InterpolationVariablesInterface> interpolationVariables)
  : m_impl(std::make_unique<Impl>())
{
  SetNumberOfInputPorts(0);
  m_impl->manager = std::move(manager);
  m_impl->interpolationVariables = std::move(interpolationVariables);
  const auto reconsider = [this]
  {
    if (m_impl->executed && m_impl->currentKey() == m_impl->executedKey)
      return;
    Modified();
  };
  m_impl->connections.add(m_impl->manager->signalModelsChanged.connect(reconsider));
  m_impl->connections.add(m_impl->interpolationVariables->signalChanged.connect(reconsider));
}

SurrogateModelQueryToTable::~SurrogateModelQueryToTable() = default;

const std::string& SurrogateModelQueryToTable::getLastError() const
{
  return m_impl->lastError;
}

int SurrogateModelQueryToTable::FillInputPortInformation(int, vtkInformation*)
{
  return 1;
}

int SurrogateModelQueryToTable::RequestData(vtkInformation*,
  vtkInformationVector**,
  vtkInformationVector* outputVector)
{
  Impl& impl = *m_impl;
  impl.lastError.clear();
  impl.executedKey = impl.currentKey();
  impl.executed = true;

  std::vector<std::vector<double>> inputValues;
  for (const auto& entry : impl.executedKey.values)
    inputValues.push_back(entry.second);
  const auto [points, rows] = impl.samplePoints(inputValues);

  vtkTable* output = vtkTable::GetData(outputVector);
  vtkNew<vtkIdTypeArray> caseIds;
  caseIds->SetName(Variable::caseIdName);
  caseIds->SetNumberOfValues(rows);
  caseIds->Fill(0);
  output->AddColumn(caseIds);

  const auto outputs = impl.manager->outputVariables();
  std::set<uint64_t> shown = impl.executedKey.shownOutputs;
  if (shown.empty())
    for (const auto& variable : outputs)
      shown.insert(variable.id());

  const std::size_t d = inputValues.size();
  std::size_t inputIndex = 0;
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    if (variable->isCaseId() || !variable->isNumeric())
      continue;
    auto column = realColumn(variable->name(), rows, std::nan(""));
    if (inputIndex < d && impl.executedKey.values[inputIndex].first == handle.id())
    {
      for (vtkIdType s = 0; s < rows; ++s)
        column->SetValue(s, points[static_cast<std::size_t>(s) * d + inputIndex]);
      ++inputIndex;
    }
    else if (std::find(outputs.begin(), outputs.end(), handle) != outputs.end())
    {
      try
      {
        const std::vector<double> predictions = impl.manager->predict(handle.id(), points);
        std::copy(predictions.begin(), predictions.end(), column->GetPointer(0));
      }
      catch (const SurrogateModelError& error)
      {
        if (impl.lastError.empty() && shown.count(handle.id()))
          impl.lastError = error.message();
      }
    }
    else if (impl.lastError.empty() && shown.count(handle.id()))
      impl.lastError = "\"" + variable->name() +
                       "\" is not an output of the surrogate models: only dependent numeric "
                       "variables are.";
    output->AddColumn(column);
  }
  return 1;
}
