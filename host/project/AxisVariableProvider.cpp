#include "host/project/AxisVariableProvider.h"

#include <vtkAbstractArray.h>

namespace
{

bool mostlyFilled(const Variable& variable)
{
  const VariableColumn& column = variable.column();
  const vtkIdType numbers = column.numberCount();
  return numbers > 0 && 2 * numbers >= column.array()->GetNumberOfValues();
}

} // namespace

AxisVariableProvider::AxisVariableProvider(std::vector<WeakPtr<Variable>> variables)
  : m_variables(std::move(variables))
{
}

template<class Test>
boost::shared_ptr<const Variable> AxisVariableProvider::firstNumeric(Test test) const
{
  for (const auto& handle : m_variables)
  {
    const auto variable = handle.lock();
    if (variable && variable->isNumeric() && !variable->isCaseId() && test(*variable))
      return variable;
  }
  return {};
}

bool AxisVariableProvider::hasNext() const
{
  return static_cast<bool>(firstNumeric([this](const Variable& v) { return !isUsed(v); }));
}

WeakPtr<Variable> AxisVariableProvider::next(Variable::Nature nature)
{
  // Three axes of variables that few cases have numbers of may share no case at all and show
  // nothing: such variables come last.
  auto chosen = firstNumeric(
    [&](const Variable& v) { return !isUsed(v) && v.nature() == nature && mostlyFilled(v); });
  if (!chosen)
    chosen = firstNumeric([this](const Variable& v) { return !isUsed(v) && mostlyFilled(v); });
  if (!chosen)
    chosen = firstNumeric([&](const Variable& v) { return !isUsed(v) && v.nature() == nature; });
  if (!chosen)
    chosen = firstNumeric([this](const Variable& v) { return !isUsed(v); });
  if (!chosen)
    chosen = firstNumeric([&](const Variable& v) { return v.nature() == nature; });
  if (!chosen)
    chosen = firstNumeric([](const Variable&) { return true; });
  for (std::size_t i = 0; !chosen && i < m_variables.size(); ++i)
    chosen = m_variables[i].lock();
  if (!chosen)
    return {};
  m_used.insert(chosen->id());
  // Handles are made from the list so that they name the project's own objects.
  for (const auto& handle : m_variables)
    if (handle.id() == chosen->id())
      return handle;
  return {};
}
