#pragma once

#include "host/core/DeleteSignaler.h"
#include "host/project/Variable.h"
#include "host/project/WeakPtr.h"

#include <QString>
#include <boost/function.hpp>
#include <boost/signals2/signal.hpp>
#include <vector>
#include <vtkType.h>

class FilterVisitorInterface;
class VariableColumn;

/// A condition on one variable that a case must meet to appear in the filtered table. A filter
/// on an independent variable is an independent filter, any other a dependent one. Changes
/// made through a filter's setters are undo steps.
class FilterAbstract : public DeleteSignaler
{
public:
  explicit FilterAbstract(WeakPtr<Variable> variable);
  FilterAbstract(const FilterAbstract&) = delete;
  FilterAbstract& operator=(const FilterAbstract&) = delete;
  ~FilterAbstract() override;

  WeakPtr<Variable> variable() const { return m_variable; }
  /// Classed by the variable's nature, read when asked since the nature can change.
  bool isIndependent() const;
  /// A disabled filter is kept but lets every case through.
  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled);

  /// One flag per row of the column: 1 where the value meets the condition.
  virtual void evaluate(const VariableColumn& column, std::vector<unsigned char>& pass) const = 0;
  virtual bool passes(const VariableColumn& column, vtkIdType row) const = 0;
  virtual void accept(FilterVisitorInterface& visitor) const = 0;

  /// After every change of the condition or of the enabled flag.
  mutable boost::signals2::signal<void()> signalChanged;

protected:
  /// Runs the change now and records it as one undo step that runs `undo` and `redo` again.
  void recordChange(boost::function<void()> redo, boost::function<void()> undo);

private:
  virtual void signalChangedConnected() const {}

  WeakPtr<Variable> m_variable;
  bool m_enabled = true;
};
