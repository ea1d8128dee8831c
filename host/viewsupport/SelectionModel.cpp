#include "host/viewsupport/SelectionModel.h"

#include <algorithm>

std::set<uint64_t> SelectionModel::getSelections() const
{
  return { m_selection.begin(), m_selection.end() };
}

void SelectionModel::setSelection(const std::set<uint64_t>& caseIds)
{
  if (caseIds.size() == m_selection.size() &&
      std::equal(m_selection.begin(), m_selection.end(), caseIds.begin()))
    return;
  // One walk of the tree: assigning from its iterators would walk it twice.
  m_selection.clear();
  m_selection.reserve(caseIds.size());
  for (uint64_t caseId : caseIds)
    m_selection.push_back(caseId);
  signalSelectionChanged();
}

void SelectionModel::setSortedSelection(std::vector<uint64_t> caseIds)
{
  if (caseIds == m_selection)
    return;
  m_selection = std::move(caseIds);
  signalSelectionChanged();
}
