#pragma once

#include "host/project/WeakPtr.h"

#include <boost/signals2/signal.hpp>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

class Variable;

/// What a plot asks the surrogate models: the values of every model input at which the models
/// are evaluated (the samples are every combination of them).
class InterpolationVariablesInterface
{
public:
  using InputValues = std::map<WeakPtr<Variable>, std::vector<double>>;

  virtual ~InterpolationVariablesInterface() = default;

  /// For every input of the models, the values at which it is sampled.
  virtual InputValues inputIndependentVariables() const = 0;
  /// Whether the plot varies the variable itself (rather than leaving its value to the host).
  virtual bool isVariableEmployed(const WeakPtr<Variable>& variable) const = 0;
  /// The variables on the plot's axes that are not model inputs: the outputs it shows.
  virtual std::set<uint64_t> nonInputAxisVariables() const = 0;

  /// Whenever inputIndependentVariables() may have changed.
  mutable boost::signals2::signal<void()> signalChanged;

private:
  virtual void signalChangedConnected() const {}
};
