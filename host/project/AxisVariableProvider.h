#pragma once

#include "host/project/Variable.h"
#include "host/project/WeakPtr.h"

#include <set>
#include <vector>

/// Hands out the variables of a list for the axes of a new view, each at most once while
/// others are left, so that a view's default axes show different quantities.
class AxisVariableProvider
{
public:
  explicit AxisVariableProvider(std::vector<WeakPtr<Variable>> variables);

  /// Whether a numeric variable other than the case identifiers is still unused.
  bool hasNext() const;
  /// The first unused numeric variable of that nature that at least half the cases have a
  /// number of. When none is left the view should still show something: the first such
  /// variable of any other nature, else a sparser unused one (of that nature first), else the
  /// first numeric variable of that nature again, else any numeric variable, else the case
  /// identifiers; the null handle only for an empty list.
  WeakPtr<Variable> next(Variable::Nature nature);

private:
  /// The first variable that is numeric, not the case identifiers and passes the test.
  template<class Test>
  boost::shared_ptr<const Variable> firstNumeric(Test test) const;
  bool isUsed(const Variable& variable) const { return m_used.count(variable.id()) != 0; }

  std::vector<WeakPtr<Variable>> m_variables;
  std::set<uint64_t> m_used;
};
