#include "analyzer/dataviews/table/SuspendableSelectionModel.h"

SuspendableSelectionModel::SuspendableSelectionModel(
  boost::shared_ptr<SelectionModelInterface> wrapped)
  : m_wrapped(std::move(wrapped))
{
  m_connections.add(
    m_wrapped->signalSelectionChanged.connect([this] { signalSelectionChanged(); }));
}

void SuspendableSelectionModel::setSelection(const std::set<uint64_t>& caseIds)
{
  m_wrapped->setSelection(caseIds);
}
