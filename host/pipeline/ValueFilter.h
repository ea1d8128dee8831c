#pragma once

#include "host/pipeline/MultiValueFilterAbstract.h"

/// The multi-value filter: a case passes when its value equals an enabled value of the list
/// (numbers by value, so 3 matches 3.0; NaN and NULL match themselves).
class ValueFilter : public MultiValueFilterAbstract
{
public:
  ValueFilter(WeakPtr<Variable> variable, std::vector<MatcherValue> values);

  std::vector<MatcherValue> matcherValues() const override { return m_values; }
  void setMatcherValues(std::vector<MatcherValue> values);
  /// Switches every entry equal to the value on or off.
  void setValueEnabled(const Variant& value, bool enabled);

  void evaluate(const VariableColumn& column, std::vector<unsigned char>& pass) const override;
  bool passes(const VariableColumn& column, vtkIdType row) const override;

private:
  bool matches(const Variant& value) const;
  void applyValues(const std::vector<MatcherValue>& values);

  std::vector<MatcherValue> m_values;
};
