#include "host/viewsupport/SelectionModel.h"

void SelectionModel::setSelection(const std::set<uint64_t>& caseIds)
{
  if (caseIds == m_selection)
    return;
  // A fresh copy, not one into the old nodes: those lie wherever the old selection put them,
  // and every reader of the new one would chase them.
  std::set<uint64_t>(caseIds).swap(m_selection);
  signalSelectionChanged();
}
