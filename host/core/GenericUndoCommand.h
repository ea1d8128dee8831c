#pragma once

#include <QUndoCommand>
#include <boost/function.hpp>
#include <boost/signals2/connection.hpp>

class DeleteSignaler;

/// An undo command made of two actions. Once the object named by the DeleteSignaler is gone,
/// the actions are dropped and never run.
class GenericUndoCommand : public QUndoCommand
{
public:
  GenericUndoCommand(boost::function<void()> redo,
    boost::function<void()> undo,
    const DeleteSignaler& owner,
    const QString& text,
    int id = -1,
    QUndoCommand* parent = nullptr);
  ~GenericUndoCommand() override;

  void redo() override;
  void undo() override;
  int id() const override { return m_id; }
  /// A later command of the same id keeps this command's undo and takes the other's redo.
  bool mergeWith(const QUndoCommand* other) override;

private:
  void dropActions();

  boost::function<void()> m_redo;
  boost::function<void()> m_undo;
  int m_id;
  boost::signals2::scoped_connection m_ownerDeleted;
};
