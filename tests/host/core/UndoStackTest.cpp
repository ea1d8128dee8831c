#include "host/core/UndoStack.h"
#include "host/core/DeleteSignaler.h"
#include "host/core/GenericUndoCommand.h"

#include <QUndoStack>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

struct Journal
{
  std::vector<std::string> entries;
  GenericUndoCommand* command(const DeleteSignaler& owner, const std::string& name, int id = -1)
  {
    return new GenericUndoCommand([this, name] { entries.push_back("redo " + name); },
      [this, name] { entries.push_back("undo " + name); },
      owner,
      QString::fromStdString(name),
      id);
  }
};

} // namespace

TEST(UndoStack, PushRunsRedoOnceAndAMacroJoinsPushesIntoOneStep)
{
  DeleteSignaler owner;
  Journal journal;
  UndoStack().push(journal.command(owner, "a"));
  {
    UndoStack::Macro macro("both");
    UndoStack().push(journal.command(owner, "b"));
    UndoStack().push(journal.command(owner, "c"));
  }
  QUndoStack& stack = UndoStack::qUndoStack();
  ASSERT_EQ(stack.count(), 2);
  EXPECT_EQ(stack.undoText(), "both");
  stack.undo();
  stack.undo();
  stack.redo();
  EXPECT_EQ(journal.entries,
    (std::vector<std::string>{
      "redo a", "redo b", "redo c", "undo c", "undo b", "undo a", "redo a" }));
}

TEST(UndoStack, SuspendedRecordingDropsCommandsAndThoseOfADeletedOwnerDoNothing)
{
  Journal journal;
  {
    DeleteSignaler owner;
    {
      UndoStack::SuspendUndoRecording suspended;
      UndoStack::Macro macro("ignored");
      UndoStack().push(journal.command(owner, "a"));
    }
    EXPECT_EQ(UndoStack::qUndoStack().count(), 0);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_TRUE(UndoStack().isRecording());
    UndoStack().push(journal.command(owner, "b"));
  }
  journal.entries.clear();
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().redo();
  EXPECT_TRUE(journal.entries.empty());
}

// Undoing one step may push another (undoing "Add" removes the view, which pushes "Delete"):
// the nested push must neither be recorded nor destroy the command being undone.
TEST(UndoStack, PushDuringUndoOrRedoIsNotRecorded)
{
  DeleteSignaler owner;
  Journal journal;
  auto pushNested = [&] { UndoStack().push(journal.command(owner, "nested")); };
  UndoStack().push(new GenericUndoCommand(pushNested, pushNested, owner, "outer"));
  QUndoStack& stack = UndoStack::qUndoStack();
  stack.undo();
  stack.redo();
  stack.undo();
  EXPECT_EQ(stack.count(), 1);
  EXPECT_EQ(stack.index(), 0);
  EXPECT_TRUE(journal.entries.empty());
  stack.redo();
  EXPECT_EQ(stack.index(), 1);
}

TEST(UndoStack, CommandsWithTheSameIdMergeKeepingTheFirstUndo)
{
  DeleteSignaler owner;
  int value = 0;
  auto setTo = [&value](int v) { return [&value, v] { value = v; }; };
  const int id = UndoStack().nextUndoID();
  EXPECT_NE(UndoStack().nextUndoID(), id);
  UndoStack().push(new GenericUndoCommand(setTo(1), setTo(0), owner, "set", id));
  UndoStack().push(new GenericUndoCommand(setTo(2), setTo(1), owner, "set", id));
  QUndoStack& stack = UndoStack::qUndoStack();
  EXPECT_EQ(stack.count(), 1);
  stack.undo();
  EXPECT_EQ(value, 0);
  stack.redo();
  EXPECT_EQ(value, 2);
}
