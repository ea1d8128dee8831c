#pragma once

#include <string>
#include <vector>

/// A named set of tags from which each image takes at most one (a review status, a quality
/// grade), so that image views can lay images out by group.
class TagGroup
{
public:
  TagGroup(std::string name, std::vector<std::string> tags);

  const std::string& name() const { return m_name; }
  const std::vector<std::string>& tags() const { return m_tags; }
  bool contains(const std::string& tag) const;

  bool operator==(const TagGroup& other) const;
  bool operator!=(const TagGroup& other) const { return !(*this == other); }

private:
  std::string m_name;
  std::vector<std::string> m_tags;
};
