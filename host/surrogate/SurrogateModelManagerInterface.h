#pragma once

#include "host/project/WeakPtr.h"

#include <boost/signals2/signal.hpp>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Variable;

/// The project's surrogate models: one per dependent (output) variable, each predicting it from
/// all independent (input) variables. Views ask which variables are inputs, which values to use
/// for inputs they do not vary, and for predictions.
class SurrogateModelManagerInterface
{
public:
  /// What a user is told about one model.
  struct ModelSummary
  {
    WeakPtr<Variable> output;
    std::vector<WeakPtr<Variable>> inputs;
    /// Cases with values of the output and every input; 0 when there is no model.
    std::size_t casesUsed = 0;
    /// "Radial basis function" or "Quadratic response surface"; empty when there is no model.
    std::string kind;
    /// Why interpolation gave way to the quadratic surface; empty otherwise.
    std::string fallbackReason;
    /// Leave-one-out RMS error as a fraction of the output's range.
    double crossValidatedError = 0.0;
    /// Why there is no model; empty when there is one.
    std::string error;
  };

  virtual ~SurrogateModelManagerInterface() = default;

  /// Whether the variable is an input of the models: an independent numeric variable whose
  /// values vary over the cases.
  virtual bool isInputVariable(uint64_t variableId) const = 0;
  /// The inputs in project order; predictions take points in this order.
  virtual std::vector<WeakPtr<Variable>> inputVariables() const = 0;
  /// The dependent numeric variables in project order, each with a model or an error.
  virtual std::vector<WeakPtr<Variable>> outputVariables() const = 0;
  /// One summary per output, in outputVariables() order; fits the models that are not fitted.
  virtual std::vector<ModelSummary> modelSummaries() const = 0;
  /// Predictions of the output at points given one after another, each holding a value per
  /// input in inputVariables() order. Throws SurrogateModelError with a text for the user
  /// when the output has no model.
  virtual std::vector<double> predict(uint64_t outputId,
    const std::vector<double>& points) const = 0;
  /// The value of an input that a plot does not vary: the middle of its range over the
  /// filtered cases (over all cases when every case is filtered out).
  virtual double defaultInputValue(uint64_t inputId) const = 0;
  /// Counts the changes of the models; equal numbers mean equal models.
  virtual uint64_t generation() const = 0;

  /// Once per change of the project that changes the inputs, the outputs or their values.
  mutable boost::signals2::signal<void()> signalModelsChanged;
  /// The filtered cases changed, and with them the default input values.
  mutable boost::signals2::signal<void()> signalInputDefaultsChanged;

private:
  virtual void signalModelsChangedConnected() const {}
  virtual void signalInputDefaultsChangedConnected() const {}
};
