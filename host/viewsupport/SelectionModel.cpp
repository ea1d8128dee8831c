#include "host/viewsupport/SelectionModel.h"

void SelectionModel::setSelection(const std::set<uint64_t>& caseIds)
{
  if (caseIds == m_selection)
    return;
  m_selection = caseIds;
  signalSelectionChanged();
}
