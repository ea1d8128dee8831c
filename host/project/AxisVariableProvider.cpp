#include "host/project/AxisVariableProvider.h"

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
  // An axis of a variable no case has a value of shows nothing: such variables come last.
  auto chosen = firstNumeric([&](const Variable& v)
    { return !isUsed(v) && v.nature() == nature && v.column().holdsNumber(); });
  if (!chosen)
    chosen =
      firstNumeric([this](const Variable& v) { return !isUsed(v) && v.column().holdsNumber(); });
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
