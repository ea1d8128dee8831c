#include "analyzer/dataviews/table/SingleDirectionalSelectionSynchronizer.h"

#include "analyzer/dataviews/table/SuspendableSelectionModel.h"

SingleDirectionalSelectionSynchronizer::SingleDirectionalSelectionSynchronizer(
  boost::shared_ptr<SuspendableSelectionModel> master,
  QAbstractItemView& view,
  boost::shared_ptr<SelectionConverterInterface> converter)
  : TableViewSelectionSynchronizer(master, view, std::move(converter))
  , m_suspendable(std::move(master))
{
}

void SingleDirectionalSelectionSynchronizer::beginMasterSelectionMonitoring()
{
  if (m_suspendable)
    m_suspendable->connections().unblock();
  TableViewSelectionSynchronizer::beginMasterSelectionMonitoring();
}

void SingleDirectionalSelectionSynchronizer::endMasterSelectionMonitoring()
{
  if (m_suspendable)
    m_suspendable->connections().block();
  TableViewSelectionSynchronizer::endMasterSelectionMonitoring();
}

void SingleDirectionalSelectionSynchronizer::setLocalSelectionsToMaster() {}
