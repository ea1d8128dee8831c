#pragma once

#include "host/project/AuxFile.h"
#include "host/project/RecordStore.h"
#include "host/project/TagGroup.h"
#include "host/project/Variable.h"

#include <boost/shared_ptr.hpp>
#include <map>
#include <string>
#include <vector>

/// Everything a project holds; the live variables are in order, the case identifiers first.
struct ProjectState
{
  std::vector<boost::shared_ptr<Variable>> variables;
  RecordStore records;
  std::map<uint64_t, boost::shared_ptr<AuxFile>> auxFiles;
  std::vector<TagGroup> tagGroups;
  uint64_t nextVariableId = 1;
  uint64_t nextAuxFileId = 1;

  boost::shared_ptr<Variable> variable(uint64_t id) const;
  boost::shared_ptr<Variable> variableNamed(const std::string& name) const;
};
