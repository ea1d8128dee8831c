#include "host/project/ProjectContents.h"

#include "host/project/ProjectError.h"

#include <algorithm>
#include <boost/make_shared.hpp>

ProjectContents::ProjectContents(uint64_t caseIdVariableId)
{
  addVariable(Variable::caseIdName, Variable::Other, ValueType::Integer, caseIdVariableId);
  m_state.variables.front()->m_locked = true;
}

void ProjectContents::addVariable(const std::string& name,
  Variable::Nature nature,
  ValueType type,
  uint64_t id)
{
  if (name.empty())
    throw ProjectError("a variable has no name");
  if (m_variableNames.count(name) != 0)
    throw ProjectError("two variables are named \"" + name + "\"");
  if (id == 0)
    id = m_state.nextVariableId;
  if (m_variableIds.count(id) != 0)
    throw ProjectError("two variables have the id " + std::to_string(id));
  m_variableNames.insert(name);
  m_variableIds.insert(id);
  auto variable = boost::make_shared<Variable>(id, name, nature, type);
  variable->m_column.resize(m_state.records.size());
  variable->m_alive = true;
  m_state.variables.push_back(variable);
  m_state.nextVariableId = std::max(m_state.nextVariableId, id + 1);
}

void ProjectContents::reserve(std::size_t records)
{
  m_state.records.reserve(records);
  for (const auto& variable : m_state.variables)
    variable->m_column.reserve(static_cast<vtkIdType>(records));
}

void ProjectContents::addRecord(uint64_t caseId, const std::vector<Variant>& values)
{
  if (m_state.records.contains(caseId))
    throw ProjectError("case " + std::to_string(caseId) + " appears twice");
  if (values.size() + 1 != m_state.variables.size())
    throw ProjectError("case " + std::to_string(caseId) + " has " + std::to_string(values.size()) +
                       " values for " + std::to_string(m_state.variables.size() - 1) +
                       " variables");
  for (std::size_t i = 0; i < values.size(); ++i)
  {
    const Variable& variable = *m_state.variables[i + 1];
    if (!variable.column().accepts(values[i]))
      throw ProjectError("case " + std::to_string(caseId) + ": variable \"" + variable.name() +
                         "\" holds numbers, not \"" + values[i].toString() + "\"");
    // An integer column would round a real number or turn an infinity into zero.
    if (variable.valueType() == ValueType::Integer && values[i].kind() == Variant::Kind::Real)
      throw ProjectError("case " + std::to_string(caseId) + ": variable \"" + variable.name() +
                         "\" holds whole numbers, not \"" + values[i].toString() + "\"");
  }
  m_state.variables.front()->m_column.append(Variant(caseId));
  for (std::size_t i = 0; i < values.size(); ++i)
    m_state.variables[i + 1]->m_column.append(values[i]);
  m_state.records.append(m_state.records.create(caseId));
}

void ProjectContents::addAuxFile(uint64_t caseId,
  std::string filePath,
  std::vector<std::string> tags,
  uint64_t id)
{
  const auto record = m_state.records.find(caseId);
  if (!record)
    throw ProjectError("file \"" + filePath + "\" belongs to case " + std::to_string(caseId) +
                       ", which does not exist");
  if (id == 0)
    id = m_state.nextAuxFileId;
  if (m_state.auxFiles.count(id) != 0)
    throw ProjectError("two files have the id " + std::to_string(id));
  auto auxFile =
    boost::make_shared<AuxFile>(id, std::move(filePath), WeakPtr<Record>(record), std::move(tags));
  auxFile->m_alive = true;
  record->m_auxFiles.push_back(auxFile);
  m_state.auxFiles[id] = auxFile;
  m_state.nextAuxFileId = std::max(m_state.nextAuxFileId, id + 1);
}

ProjectState ProjectContents::take()
{
  for (const auto& variable : m_state.variables)
    variable->m_column.squeeze();
  ProjectState result = std::move(m_state);
  m_state = ProjectState();
  m_variableNames.clear();
  m_variableIds.clear();
  return result;
}
