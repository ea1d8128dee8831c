#pragma once

#include <QString>
#include <boost/function.hpp>

class DeleteSignaler;

/// Makes a change now and records it as one undo step whose undo and redo run the given
/// actions; nothing is recorded while recording is suspended or a step is being replayed.
void runAsUndoStep(boost::function<void()> redo,
  boost::function<void()> undo,
  const DeleteSignaler& owner,
  const QString& text);
