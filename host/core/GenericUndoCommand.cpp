#include "host/core/GenericUndoCommand.h"

#include "host/core/DeleteSignaler.h"
#include "host/core/UndoStack.h"

#include <utility>

GenericUndoCommand::GenericUndoCommand(boost::function<void()> redo,
  boost::function<void()> undo,
  const DeleteSignaler& owner,
  const QString& text,
  int id,
  QUndoCommand* parent)
  : QUndoCommand(text, parent)
  , m_redo(std::move(redo))
  , m_undo(std::move(undo))
  , m_id(id)
{
  m_ownerDeleted = owner.signalDeleted.connect([this] { dropActions(); });
}

GenericUndoCommand::~GenericUndoCommand() = default;

void GenericUndoCommand::redo()
{
  UndoStack::ReplayScope replaying;
  QUndoCommand::redo();
  if (m_redo)
    m_redo();
}

void GenericUndoCommand::undo()
{
  UndoStack::ReplayScope replaying;
  if (m_undo)
    m_undo();
  QUndoCommand::undo();
}

bool GenericUndoCommand::mergeWith(const QUndoCommand* other)
{
  const auto* command = dynamic_cast<const GenericUndoCommand*>(other);
  if (!command || command->m_id != m_id || m_id == -1)
    return false;
  m_redo = command->m_redo;
  return true;
}

void GenericUndoCommand::dropActions()
{
  m_redo.clear();
  m_undo.clear();
  m_ownerDeleted.release();
}
