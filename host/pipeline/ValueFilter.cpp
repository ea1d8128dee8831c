#include "host/pipeline/ValueFilter.h"

#include "host/project/VariableColumn.h"

ValueFilter::ValueFilter(WeakPtr<Variable> variable, std::vector<MatcherValue> values)
  : MultiValueFilterAbstract(std::move(variable))
  , m_values(std::move(values))
{
}

void ValueFilter::setMatcherValues(std::vector<MatcherValue> values)
{
  if (values == m_values)
    return;
  const auto old = m_values;
  recordChange([this, values] { applyValues(values); }, [this, old] { applyValues(old); });
}

void ValueFilter::setValueEnabled(const Variant& value, bool enabled)
{
  auto values = m_values;
  for (auto& entry : values)
    if (entry.value == value)
      entry.enabled = enabled;
  setMatcherValues(values);
}

void ValueFilter::applyValues(const std::vector<MatcherValue>& values)
{
  m_values = values;
  signalChanged();
}

bool ValueFilter::matches(const Variant& value) const
{
  for (const auto& entry : m_values)
  {
    if (!entry.enabled)
      continue;
    if (value.isNumeric() && entry.value.isNumeric())
    {
      if (value.doubleValue() == entry.value.doubleValue())
        return true;
    }
    else if (value == entry.value)
      return true;
  }
  return false;
}

void ValueFilter::evaluate(const VariableColumn& column, std::vector<unsigned char>& pass) const
{
  pass.resize(static_cast<std::size_t>(column.size()));
  for (vtkIdType row = 0; row < column.size(); ++row)
    pass[static_cast<std::size_t>(row)] = passes(column, row);
}

bool ValueFilter::passes(const VariableColumn& column, vtkIdType row) const
{
  return matches(column.value(row));
}
