#pragma once

#include "host/common/Variant.h"
#include "host/project/ProjectState.h"
#include "host/project/TagGroup.h"
#include "host/project/Variable.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

/// A whole project being put together (from a file or generated) before it replaces the
/// current one, so that data that do not fit together are refused before anything changes.
/// It starts with the case-identifier variable.
class ProjectContents
{
public:
  explicit ProjectContents(uint64_t caseIdVariableId = 1);
  ProjectContents(ProjectContents&&) = default;
  ProjectContents& operator=(ProjectContents&&) = default;

  /// Id 0 takes the next free one. Throws ProjectError for an empty or taken name or id.
  void addVariable(const std::string& name,
    Variable::Nature nature,
    ValueType type,
    uint64_t id = 0);
  /// Including the case identifiers.
  std::size_t variableCount() const { return m_state.variables.size(); }
  const Variable& variable(std::size_t index) const { return *m_state.variables.at(index); }
  /// Marks the variable at the index as not editable in tables.
  void lock(std::size_t index) { m_state.variables.at(index)->m_locked = true; }

  void reserve(std::size_t records);
  /// One value for each variable after the case identifiers, in order. Throws ProjectError for
  /// a case that exists, a wrong number of values or a value its variable cannot hold.
  void addRecord(uint64_t caseId, const std::vector<Variant>& values);
  vtkIdType recordCount() const { return m_state.records.size(); }
  bool hasRecord(uint64_t caseId) const { return m_state.records.contains(caseId); }

  /// Throws ProjectError for an unknown case or a taken id (0 takes the next free one).
  void addAuxFile(uint64_t caseId,
    std::string filePath,
    std::vector<std::string> tags,
    uint64_t id = 0);
  void setTagGroups(std::vector<TagGroup> groups) { m_state.tagGroups = std::move(groups); }

  /// The finished state; the contents are empty afterwards.
  ProjectState take();

private:
  ProjectState m_state;
  // Lookups by name and id, so that adding many variables takes linear time.
  std::unordered_set<std::string> m_variableNames;
  std::unordered_set<uint64_t> m_variableIds;
};
