#pragma once

#include "host/viewsupport/SelectionModelInterface.h"

/// Keeps the selection as an ascending vector: one contiguous copy per change, and readers of
/// a large selection walk it without copying a tree.
class SelectionModel : public SelectionModelInterface
{
public:
  std::set<uint64_t> getSelections() const override;
  const std::vector<uint64_t>& sortedSelections() const override { return m_selection; }
  void setSelection(const std::set<uint64_t>& caseIds) override;
  void setSortedSelection(std::vector<uint64_t> caseIds) override;

private:
  std::vector<uint64_t> m_selection;
};
