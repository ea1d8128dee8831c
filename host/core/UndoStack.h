#pragma once

#include <QString>

class QUndoCommand;
class QUndoStack;

/// Handle to the application's one undo stack.
///
/// Commands pushed while recording is suspended, or while the stack itself runs an undo or a
/// redo, are dropped without being run: their effect has already happened (the change was made
/// directly, or it is part of the step being replayed), and recording them would either add a
/// spurious step or delete the command the stack is running.
class UndoStack
{
public:
  UndoStack() = default;

  /// Takes ownership; runs the command's redo when it is recorded, as QUndoStack does.
  void push(QUndoCommand* command);
  int nextUndoID();

  bool isRecording() const;

  /// The underlying stack, for undo/redo actions, history views and tests.
  static QUndoStack& qUndoStack();
  /// Deletes every recorded command (their actions may hold views); call before the
  /// application's widgets go away.
  static void clear();

  /// Makes the pushes of its lifetime one undo step with the given text.
  class Macro
  {
  public:
    explicit Macro(const QString& text);
    ~Macro();
    Macro(const Macro&) = delete;
    Macro& operator=(const Macro&) = delete;

  private:
    bool m_open = false;
  };

  /// Keeps the changes made during its lifetime off the stack.
  class SuspendUndoRecording
  {
  public:
    SuspendUndoRecording();
    ~SuspendUndoRecording();
    SuspendUndoRecording(const SuspendUndoRecording&) = delete;
    SuspendUndoRecording& operator=(const SuspendUndoRecording&) = delete;
  };

  /// Marks the stack as replaying for its lifetime; every command's undo and redo runs inside
  /// one, so that whatever the replayed actions push is not recorded a second time.
  class ReplayScope
  {
  public:
    ReplayScope();
    ~ReplayScope();
    ReplayScope(const ReplayScope&) = delete;
    ReplayScope& operator=(const ReplayScope&) = delete;
  };
};
