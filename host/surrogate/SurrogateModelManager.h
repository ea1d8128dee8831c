#pragma once

#include "host/surrogate/SurrogateModelManagerInterface.h"

#include <boost/shared_ptr.hpp>
#include <memory>

class DataPipelineManagerInterface;
class SurrogateModel;

/// Fits the project's surrogate models: for each dependent numeric variable one SurrogateModel
/// over the independent numeric variables that vary, from the cases that have values of all of
/// them (cases with NaN or NULL in any of those variables are left out). Models are fitted when
/// first asked for and dropped when the project changes them; filters do not change the models,
/// only the default values of the inputs.
class SurrogateModelManager : public SurrogateModelManagerInterface
{
public:
  /// Without a pipeline the default input values come from all cases.
  explicit SurrogateModelManager(boost::shared_ptr<const DataPipelineManagerInterface> pipeline);
  ~SurrogateModelManager() override;
  SurrogateModelManager(const SurrogateModelManager&) = delete;
  SurrogateModelManager& operator=(const SurrogateModelManager&) = delete;

  bool isInputVariable(uint64_t variableId) const override;
  std::vector<WeakPtr<Variable>> inputVariables() const override;
  std::vector<WeakPtr<Variable>> outputVariables() const override;
  std::vector<ModelSummary> modelSummaries() const override;
  std::vector<double> predict(uint64_t outputId, const std::vector<double>& points) const override;
  double defaultInputValue(uint64_t inputId) const override;
  uint64_t generation() const override;

  /// The fitted model of an output; throws SurrogateModelError when there is none.
  const SurrogateModel& model(uint64_t outputId) const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
