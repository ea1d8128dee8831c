#pragma once

#include "host/viewsupport/TableViewSelectionSynchronizer.h"

class SuspendableSelectionModel;

/// Shows the shared selection in a view but never writes the view's selection back.
class SingleDirectionalSelectionSynchronizer : public TableViewSelectionSynchronizer
{
public:
  SingleDirectionalSelectionSynchronizer(boost::shared_ptr<SuspendableSelectionModel> master,
    QAbstractItemView& view,
    boost::shared_ptr<SelectionConverterInterface> converter);

protected:
  void beginMasterSelectionMonitoring() override;
  void endMasterSelectionMonitoring() override;
  void setLocalSelectionsToMaster() override;

private:
  boost::shared_ptr<SuspendableSelectionModel> m_suspendable;
};
