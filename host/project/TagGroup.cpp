#include "host/project/TagGroup.h"

#include <algorithm>

TagGroup::TagGroup(std::string name, std::vector<std::string> tags)
  : m_name(std::move(name))
  , m_tags(std::move(tags))
{
}

bool TagGroup::contains(const std::string& tag) const
{
  return std::find(m_tags.begin(), m_tags.end(), tag) != m_tags.end();
}

bool TagGroup::operator==(const TagGroup& other) const
{
  return m_name == other.m_name && m_tags == other.m_tags;
}
