#include "host/core/UndoStack.h"

#include <QUndoStack>
#include <memory>

namespace
{

struct UndoState
{
  std::unique_ptr<QUndoStack> stack = std::make_unique<QUndoStack>();
  int suspendDepth = 0;
  int nextId = 1000;
  int replayDepth = 0;
};

UndoState& state()
{
  static UndoState instance;
  return instance;
}

} // namespace
void UndoStack::push(QUndoCommand* command)
{
  std::unique_ptr<QUndoCommand> owned(command);
  if (!isRecording())
    return;
  state().stack->push(owned.release());
}

int UndoStack::nextUndoID()
{
  return ++state().nextId;
}

bool UndoStack::isRecording() const
{
  return state().suspendDepth == 0 && state().replayDepth == 0;
}

QUndoStack& UndoStack::qUndoStack()
{
  return *state().stack;
}

void UndoStack::clear()
{
  state().stack->clear();
}

UndoStack::ReplayScope::ReplayScope()
{
  ++state().replayDepth;
}

UndoStack::ReplayScope::~ReplayScope()
{
  --state().replayDepth;
}

UndoStack::Macro::Macro(const QString& text)
{
  if (!UndoStack().isRecording())
    return;
  state().stack->beginMacro(text);
  m_open = true;
}

UndoStack::Macro::~Macro()
{
  if (m_open)
    state().stack->endMacro();
}

UndoStack::SuspendUndoRecording::SuspendUndoRecording()
{
  ++state().suspendDepth;
}

UndoStack::SuspendUndoRecording::~SuspendUndoRecording()
{
  --state().suspendDepth;
}
