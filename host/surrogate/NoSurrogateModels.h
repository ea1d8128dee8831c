#pragma once

#include "host/surrogate/SurrogateModelManagerInterface.h"

/// Stands in when the host has no surrogate models: nothing is an input, so no prediction is
/// ever relevant, and asking for one is an error the user can read.
class NoSurrogateModels : public SurrogateModelManagerInterface
{
public:
  bool isInputVariable(uint64_t) const override { return false; }
  std::vector<WeakPtr<Variable>> inputVariables() const override { return {}; }
  std::vector<WeakPtr<Variable>> outputVariables() const override { return {}; }
  std::vector<ModelSummary> modelSummaries() const override { return {}; }
  std::vector<double> predict(uint64_t, const std::vector<double>&) const override;
  double defaultInputValue(uint64_t) const override { return 0.0; }
  uint64_t generation() const override { return 0; }
};
