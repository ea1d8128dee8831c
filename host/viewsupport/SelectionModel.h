#pragma once

#include "host/viewsupport/SelectionModelInterface.h"

class SelectionModel : public SelectionModelInterface
{
public:
  const std::set<uint64_t>& getSelections() const override { return m_selection; }
  void setSelection(const std::set<uint64_t>& caseIds) override;

private:
  std::set<uint64_t> m_selection;
};
