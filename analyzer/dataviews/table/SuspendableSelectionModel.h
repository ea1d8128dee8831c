#pragma once

#include "host/core/SignalConnectionCollection.h"
#include "host/viewsupport/SelectionModelInterface.h"

#include <boost/shared_ptr.hpp>

/// Forwards a selection model; blocking it stops only the change notifications.
class SuspendableSelectionModel : public SelectionModelInterface
{
public:
  explicit SuspendableSelectionModel(boost::shared_ptr<SelectionModelInterface> wrapped);

  std::set<uint64_t> getSelections() const override { return m_wrapped->getSelections(); }
  const std::vector<uint64_t>& sortedSelections() const override
  {
    return m_wrapped->sortedSelections();
  }
  void setSelection(const std::set<uint64_t>& caseIds) override;
  void setSortedSelection(std::vector<uint64_t> caseIds) override
  {
    m_wrapped->setSortedSelection(std::move(caseIds));
  }

  SignalConnectionCollection& connections() { return m_connections; }

private:
  boost::shared_ptr<SelectionModelInterface> m_wrapped;
  SignalConnectionCollection m_connections;
};
