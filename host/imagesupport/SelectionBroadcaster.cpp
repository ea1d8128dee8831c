#include "host/imagesupport/SelectionBroadcaster.h"

SelectionBroadcaster::SelectionBroadcaster(QItemSelectionModel& selectionModel)
{
  m_connection = QObject::connect(&selectionModel,
    &QItemSelectionModel::selectionChanged,
    [this](const QItemSelection&, const QItemSelection&) { signalSelectionChanged(); });
}

SelectionBroadcaster::~SelectionBroadcaster()
{
  QObject::disconnect(m_connection);
}
