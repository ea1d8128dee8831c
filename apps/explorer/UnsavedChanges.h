#pragma once

#include <QObject>
#include <QString>

class QWidget;

/// Whether the open project changed since it was opened or saved, read from the undo stack's
/// clean state and shown in the window's title by Qt's "[*]" convention.
class UnsavedChanges : public QObject
{
  Q_OBJECT

public:
  enum class Answer
  {
    Save,
    Discard,
    Cancel
  };

  /// Follows the undo stack and marks `window` modified while the project has changed; the
  /// window's title holds "[*]".
  explicit UnsavedChanges(QWidget& window);

  bool isChanged() const;
  /// The project as it is now is the saved one.
  void markSaved();
  /// Asks "Save changes to <name>?" with Save, Discard and Cancel; closing the box cancels.
  Answer ask(const QString& projectName) const;

private:
  QWidget& m_window;
};
