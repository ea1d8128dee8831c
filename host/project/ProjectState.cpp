#include "host/project/ProjectState.h"

boost::shared_ptr<Variable> ProjectState::variable(uint64_t id) const
{
  for (const auto& variable : variables)
    if (variable->id() == id)
      return variable;
  return {};
}

boost::shared_ptr<Variable> ProjectState::variableNamed(const std::string& name) const
{
  for (const auto& variable : variables)
    if (variable->name() == name)
      return variable;
  return {};
}
