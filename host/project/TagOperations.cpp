#include "host/project/TagOperations.h"

#include "host/project/Project.h"

#include <algorithm>

std::set<std::string> TagOperations::tagsOfCases(const std::vector<uint64_t>& caseIds)
{
  std::set<std::string> tags;
  const Project& project = Project::project();
  for (uint64_t caseId : caseIds)
  {
    const auto record = project.record(caseId).lock();
    if (!record)
      continue;
    for (const auto& handle : record->auxFiles())
      if (const auto auxFile = handle.lock())
        tags.insert(auxFile->tags().begin(), auxFile->tags().end());
  }
  return tags;
}

std::vector<uint64_t> TagOperations::casesWithTag(const std::string& tag)
{
  std::vector<uint64_t> cases;
  const Project& project = Project::project();
  for (vtkIdType row = 0; row < project.recordCount(); ++row)
  {
    const auto record = project.recordAtRow(row).lock();
    const auto files = record->auxFiles();
    if (std::any_of(files.begin(),
          files.end(),
          [&](const WeakPtr<AuxFile>& handle)
          {
            const auto auxFile = handle.lock();
            return auxFile && auxFile->hasTag(tag);
          }))
      cases.push_back(record->caseId());
  }
  return cases;
}

std::string TagOperations::groupOfTag(const std::string& tag)
{
  for (const TagGroup& group : Project::project().tagGroups())
    if (group.contains(tag))
      return group.name();
  return {};
}

void TagOperations::addTag(Transaction& transaction, AuxFile& auxFile, const std::string& tag)
{
  if (auxFile.hasTag(tag))
    return;
  std::vector<std::string> tags = auxFile.tags();
  tags.push_back(tag);
  auxFile.setTags(transaction, std::move(tags));
}

void TagOperations::removeTag(Transaction& transaction, AuxFile& auxFile, const std::string& tag)
{
  std::vector<std::string> tags = auxFile.tags();
  tags.erase(std::remove(tags.begin(), tags.end(), tag), tags.end());
  auxFile.setTags(transaction, std::move(tags));
}
