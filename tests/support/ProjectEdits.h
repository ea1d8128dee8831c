#pragma once

#include "host/project/Project.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport
{

inline Variant valueOf(uint64_t caseId, const std::string& variable)
{
  return Project::project().record(caseId).lock()->data(
    *Project::project().variable(variable).lock());
}

// Edits of the loaded project as the user makes them, each one undo step.

/// Sets one value as editing a table cell does.
inline void setValue(uint64_t caseId, const std::string& variable, const Variant& value)
{
  Transaction transaction = Project::project().startTransaction("Edit cell value");
  auto record = Project::project().record(caseId).lock(transaction);
  record->setData(transaction, *Project::project().variable(variable).lock(), value);
}

inline void eraseCases(const std::vector<uint64_t>& caseIds)
{
  Transaction transaction = Project::project().startTransaction();
  transaction.allowErasure();
  Project::project().eraseRecords(transaction, caseIds);
}

inline void eraseVariables(std::initializer_list<const char*> names)
{
  Transaction transaction = Project::project().startTransaction();
  transaction.allowErasure();
  for (const char* name : names)
    Project::project().variable(name).lock(transaction)->erase(transaction);
}

} // namespace testsupport
