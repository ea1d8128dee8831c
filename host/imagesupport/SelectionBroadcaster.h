#pragma once

#include <QItemSelectionModel>
#include <QMetaObject>
#include <boost/signals2/signal.hpp>

/// Turns the selection changes of an item view into a boost signal, so that views can pass
/// them on as their own notifications.
class SelectionBroadcaster
{
public:
  explicit SelectionBroadcaster(QItemSelectionModel& selectionModel);
  ~SelectionBroadcaster();
  SelectionBroadcaster(const SelectionBroadcaster&) = delete;
  SelectionBroadcaster& operator=(const SelectionBroadcaster&) = delete;

  boost::signals2::signal<void()> signalSelectionChanged;

private:
  QMetaObject::Connection m_connection;
};
