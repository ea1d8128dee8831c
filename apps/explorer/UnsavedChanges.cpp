#include "apps/explorer/UnsavedChanges.h"

#include "host/core/UndoStack.h"

#include <QMessageBox>
#include <QUndoStack>
#include <QWidget>

UnsavedChanges::UnsavedChanges(QWidget& window)
  : QObject(&window)
  , m_window(window)
{
  connect(&UndoStack::qUndoStack(),
    &QUndoStack::cleanChanged,
    this,
    [this](bool clean) { m_window.setWindowModified(!clean); });
}

bool UnsavedChanges::isChanged() const
{
  return !UndoStack::qUndoStack().isClean();
}

void UnsavedChanges::markSaved()
{
  UndoStack::qUndoStack().setClean();
}

UnsavedChanges::Answer UnsavedChanges::ask(const QString& projectName) const
{
  QMessageBox box(QMessageBox::Warning,
    QStringLiteral("Unsaved Changes"),
    QStringLiteral("Save changes to %1?").arg(projectName),
    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
    &m_window);
  box.setInformativeText(
    QStringLiteral("The changes since it was last opened or saved are lost if you discard them."));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec())
  {
    case QMessageBox::Save:
      return Answer::Save;
    case QMessageBox::Discard:
      return Answer::Discard;
    default:
      return Answer::Cancel;
  }
}
