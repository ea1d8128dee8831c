#include "host/viewsupport/TagGroupCollection.h"

#include "host/project/Project.h"

#include <algorithm>

TagGroupCollection::TagGroupCollection()
{
  reread();
  m_projectConnection = Project::project().signalProjectChanged.connect(
    [this](const TransactionRecord& change)
    {
      if (change.tagsChanged || change.projectReplaced || !change.addedAuxFiles.empty() ||
          !change.erasedAuxFiles.empty())
        reread();
    });
}

std::vector<std::string> TagGroupCollection::groupNames() const
{
  std::vector<std::string> names;
  for (const TagGroup& group : m_groups)
    names.push_back(group.name());
  return names;
}

bool TagGroupCollection::hasGroup(const std::string& name) const
{
  return std::any_of(
    m_groups.begin(), m_groups.end(), [&](const TagGroup& group) { return group.name() == name; });
}

bool TagGroupCollection::hasTag(const std::string& tag) const
{
  return std::binary_search(m_tags.begin(), m_tags.end(), tag);
}

void TagGroupCollection::reread()
{
  const Project& project = Project::project();
  std::vector<std::string> sorted = project.allTags();
  if (sorted == m_tags && project.tagGroups() == m_groups)
    return;
  m_groups = project.tagGroups();
  m_tags = std::move(sorted);
  signalGroupsChanged();
}
