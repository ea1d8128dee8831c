#include "host/surrogate/SurrogateModelManager.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/project/Project.h"
#include "host/surrogate/SurrogateModel.h"
#include "host/surrogate/SurrogateModelError.h"
#include "host/vtkutil/RecordTableUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vtkTable.h>

namespace
{

bool isInputCandidate(const Variable& variable)
{
  if (variable.isCaseId() || !variable.isNumeric() || variable.nature() != Variable::Independent)
    return false;
  const auto range = variable.range();
  return range.first < range.second;
}

bool isOutputCandidate(const Variable& variable)
{
  return !variable.isCaseId() && variable.isNumeric() && variable.nature() == Variable::Dependent;
}

bool contains(const std::vector<WeakPtr<Variable>>& variables, uint64_t id)
{
  return std::any_of(
    variables.begin(), variables.end(), [id](const WeakPtr<Variable>& v) { return v.id() == id; });
}

/// The middle of the variable's values in the table's column, NaN when it has none.
double middleOfColumn(vtkTable* table, const std::string& name)
{
  vtkIdType column = -1;
  for (vtkIdType c = 0; c < table->GetNumberOfColumns() && column < 0; ++c)
    if (name == table->GetColumn(c)->GetName())
      column = c;
  double lowest = std::numeric_limits<double>::infinity();
  double highest = -lowest;
  for (vtkIdType row = 0; column >= 0 && row < table->GetNumberOfRows(); ++row)
  {
    const vtkVariant value = RecordTableUtils::cellValue(table, row, column);
    const double number = value.IsValid() ? value.ToDouble() : std::nan("");
    if (std::isnan(number))
      continue;
    lowest = std::min(lowest, number);
    highest = std::max(highest, number);
  }
  return lowest <= highest ? (lowest + highest) / 2.0 : std::nan("");
}

} // namespace

struct SurrogateModelManager::Impl
{
  struct Fit
  {
    std::unique_ptr<SurrogateModel> model;
    std::string error;
  };

  explicit Impl(SurrogateModelManager& owner)
    : owner(owner)
  {
  }

  void classifyVariables();
  bool touchesModels(const TransactionRecord& changes) const;
  void onProjectChanged(const TransactionRecord& changes);
  void onUnfilteredDataChanged();
  void onFilteredDataChanged();
  const Fit& fit(uint64_t outputId) const;
  SurrogateModelSamples samples(const Variable& output) const;
  void computeDefaults() const;

  SurrogateModelManager& owner;
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  std::vector<WeakPtr<Variable>> inputs;
  std::vector<WeakPtr<Variable>> outputs;
  uint64_t generation = 0;
  mutable std::map<uint64_t, Fit> fits;
  mutable std::map<uint64_t, double> defaults;
  mutable bool defaultsValid = false;
  bool notificationPending = false;
  SignalConnectionCollection connections;
};

void SurrogateModelManager::Impl::classifyVariables()
{
  inputs.clear();
  outputs.clear();
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    if (isInputCandidate(*variable))
      inputs.push_back(handle);
    else if (isOutputCandidate(*variable))
      outputs.push_back(handle);
  }
}

bool SurrogateModelManager::Impl::touchesModels(const TransactionRecord& changes) const
{
  if (changes.projectReplaced || changes.changesStructure() || !changes.changedVariables.empty())
    return true;
  return std::any_of(changes.changedValues.begin(),
    changes.changedValues.end(),
    [this](const TransactionRecord::CellChange& change)
    {
      const auto variable = Project::project().variableById(change.variableId).lock();
      return !variable || contains(inputs, change.variableId) || isInputCandidate(*variable) ||
             isOutputCandidate(*variable);
    });
}

void SurrogateModelManager::Impl::onProjectChanged(const TransactionRecord& changes)
{
  if (!touchesModels(changes))
    return;
  classifyVariables();
  fits.clear();
  defaultsValid = false;
  ++generation;
  if (pipeline)
    notificationPending = true;
  else
    owner.signalModelsChanged();
}

void SurrogateModelManager::Impl::onUnfilteredDataChanged()
{
  if (!notificationPending)
    return;
  notificationPending = false;
  owner.signalModelsChanged();
}

void SurrogateModelManager::Impl::onFilteredDataChanged()
{
  defaultsValid = false;
  owner.signalInputDefaultsChanged();
}

SurrogateModelSamples SurrogateModelManager::Impl::samples(const Variable& output) const
{
  SurrogateModelSamples result;
  result.outputName = output.name();
  std::vector<const VariableColumn*> columns;
  for (const auto& handle : inputs)
  {
    const auto input = handle.lock();
    result.inputNames.push_back(input->name());
    columns.push_back(&input->column());
  }
  std::vector<double> point(columns.size());
  const vtkIdType rows = output.column().size();
  for (vtkIdType row = 0; row < rows; ++row)
  {
    const double value = output.column().value(row).doubleValue();
    bool complete = !std::isnan(value);
    for (std::size_t k = 0; complete && k < columns.size(); ++k)
    {
      point[k] = columns[k]->value(row).doubleValue();
      complete = !std::isnan(point[k]);
    }
    if (!complete)
      continue;
    result.inputs.insert(result.inputs.end(), point.begin(), point.end());
    result.outputs.push_back(value);
  }
  return result;
}

const SurrogateModelManager::Impl::Fit& SurrogateModelManager::Impl::fit(uint64_t outputId) const
{
  auto found = fits.find(outputId);
  if (found != fits.end())
    return found->second;
  Fit& fit = fits[outputId];
  const auto output = Project::project().variableById(outputId).lock();
  if (!output || !contains(outputs, outputId))
    fit.error = (output ? "\"" + output->name() + "\"" : std::string("The variable")) +
                " is not an output of the surrogate models: only dependent numeric variables are.";
  else if (inputs.empty())
    fit.error = "No surrogate model can be fitted: no independent numeric variable varies over "
                "the cases.";
  else
  {
    try
    {
      fit.model = std::make_unique<SurrogateModel>(samples(*output));
    }
    catch (const SurrogateModelError& error)
    {
      fit.error = error.message();
    }
  }
  return fit;
}

void SurrogateModelManager::Impl::computeDefaults() const
{
  vtkTable* filtered = nullptr;
  if (pipeline)
  {
    pipeline->filteredOutput()->Update();
    filtered = vtkTable::SafeDownCast(pipeline->filteredOutput()->GetOutputDataObject(0));
  }
  defaults.clear();
  for (const auto& handle : inputs)
  {
    const auto input = handle.lock();
    if (!input)
      continue;
    double middle = filtered ? middleOfColumn(filtered, input->name()) : std::nan("");
    if (std::isnan(middle))
      middle = (input->range().first + input->range().second) / 2.0;
    defaults[handle.id()] = middle;
  }
  defaultsValid = true;
}

SurrogateModelManager::SurrogateModelManager(
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline)
  : m_impl(std::make_unique<Impl>(*this))
{
  m_impl->pipeline = std::move(pipeline);
  m_impl->classifyVariables();
  Impl* impl = m_impl.get();
  // The models change first and are announced once the pipeline shows the new data, so that
  // views asking for predictions or default values never see the pipeline behind the models.
  m_impl->connections.add(Project::project().signalProjectChanged.connect(
    [impl](const TransactionRecord& changes) { impl->onProjectChanged(changes); },
    boost::signals2::at_front));
  if (!m_impl->pipeline)
    return;
  m_impl->connections.add(m_impl->pipeline->signalUnfilteredDataChanged.connect(
    [impl] { impl->onUnfilteredDataChanged(); }));
  m_impl->connections.add(
    m_impl->pipeline->signalFilteredDataChanged.connect([impl] { impl->onFilteredDataChanged(); }));
}

SurrogateModelManager::~SurrogateModelManager() = default;

bool SurrogateModelManager::isInputVariable(uint64_t variableId) const
{
  return contains(m_impl->inputs, variableId);
}

std::vector<WeakPtr<Variable>> SurrogateModelManager::inputVariables() const
{
  return m_impl->inputs;
}

std::vector<WeakPtr<Variable>> SurrogateModelManager::outputVariables() const
{
  return m_impl->outputs;
}

std::vector<SurrogateModelManagerInterface::ModelSummary> SurrogateModelManager::modelSummaries()
  const
{
  std::vector<ModelSummary> summaries;
  for (const auto& output : m_impl->outputs)
  {
    ModelSummary summary;
    summary.output = output;
    summary.inputs = m_impl->inputs;
    const Impl::Fit& fit = m_impl->fit(output.id());
    summary.error = fit.error;
    if (fit.model)
    {
      summary.casesUsed = fit.model->caseCount();
      summary.kind = fit.model->kindText();
      summary.fallbackReason = fit.model->fallbackReason();
      summary.crossValidatedError = fit.model->crossValidatedError();
    }
    summaries.push_back(std::move(summary));
  }
  return summaries;
}

const SurrogateModel& SurrogateModelManager::model(uint64_t outputId) const
{
  const Impl::Fit& fit = m_impl->fit(outputId);
  if (!fit.model)
    throw SurrogateModelError(fit.error);
  return *fit.model;
}

std::vector<double> SurrogateModelManager::predict(uint64_t outputId,
  const std::vector<double>& points) const
{
  return model(outputId).predict(points);
}

double SurrogateModelManager::defaultInputValue(uint64_t inputId) const
{
  if (!m_impl->defaultsValid)
    m_impl->computeDefaults();
  auto found = m_impl->defaults.find(inputId);
  return found == m_impl->defaults.end() ? std::nan("") : found->second;
}

uint64_t SurrogateModelManager::generation() const
{
  return m_impl->generation;
}
