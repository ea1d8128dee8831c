#include "host/pipeline/UndoableChange.h"

#include "host/core/GenericUndoCommand.h"
#include "host/core/UndoStack.h"

#include <boost/make_shared.hpp>

void runAsUndoStep(boost::function<void()> redo,
  boost::function<void()> undo,
  const DeleteSignaler& owner,
  const QString& text)
{
  redo();
  // The stack runs a command's redo when it is pushed; the change is already made.
  auto pushed = boost::make_shared<bool>(false);
  auto replay = [redo, pushed]
  {
    if (*pushed)
      redo();
    *pushed = true;
  };
  UndoStack().push(new GenericUndoCommand(replay, undo, owner, text));
}
