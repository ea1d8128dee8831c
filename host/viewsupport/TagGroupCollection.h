#pragma once

#include "host/project/TagGroup.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>
#include <string>
#include <vector>

/// The project's tag groups and tags as image views offer them for choosing what to show. It
/// follows the project: changed tags or groups, or another project, announce a change.
class TagGroupCollection
{
public:
  TagGroupCollection();
  TagGroupCollection(const TagGroupCollection&) = delete;
  TagGroupCollection& operator=(const TagGroupCollection&) = delete;

  const std::vector<TagGroup>& groups() const { return m_groups; }
  std::vector<std::string> groupNames() const;
  bool hasGroup(const std::string& name) const;
  /// Every tag of the groups and of the aux files, sorted, each once.
  const std::vector<std::string>& allTags() const { return m_tags; }
  bool hasTag(const std::string& tag) const;

  boost::signals2::signal<void()> signalGroupsChanged;

private:
  void reread();

  std::vector<TagGroup> m_groups;
  std::vector<std::string> m_tags;
  boost::signals2::scoped_connection m_projectConnection;
};
