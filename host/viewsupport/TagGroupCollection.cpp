#include "host/viewsupport/TagGroupCollection.h"

void TagGroupCollection::setGroups(std::vector<std::string> groups)
{
  if (groups == m_groups)
    return;
  m_groups = std::move(groups);
  signalGroupsChanged();
}
