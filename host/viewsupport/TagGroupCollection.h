#pragma once

#include <boost/signals2/signal.hpp>
#include <string>
#include <vector>

/// The tag groups that image views offer for laying out and labelling images, in display order.
class TagGroupCollection
{
public:
  const std::vector<std::string>& groups() const { return m_groups; }
  void setGroups(std::vector<std::string> groups);

  boost::signals2::signal<void()> signalGroupsChanged;

private:
  std::vector<std::string> m_groups;
};
