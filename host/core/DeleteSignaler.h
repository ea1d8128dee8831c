#pragma once

#include <boost/signals2/signal.hpp>

/// Announces its own destruction, so that objects referring to it (undo commands) can let go.
class DeleteSignaler
{
public:
  DeleteSignaler() = default;
  DeleteSignaler(const DeleteSignaler&) {}
  DeleteSignaler& operator=(const DeleteSignaler&) { return *this; }
  virtual ~DeleteSignaler();

  mutable boost::signals2::signal<void()> signalDeleted;
};
