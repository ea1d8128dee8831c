#pragma once

#include <QObject>
#include <QStringList>

class ExplorerWindow;
class QAction;
class QMenu;

/// File > Export: the current view to a file of its format (see ViewFileFormat), and every view
/// into a chosen folder as the batch export writes them. The dialogs start in the project's
/// folder with a name suggested.
class ExportMenu : public QObject
{
  Q_OBJECT

public:
  ExportMenu(ExplorerWindow& window, QMenu& fileMenu);

  /// Writes the current view to the file; false after reporting a failure.
  bool exportCurrentView(const QString& path);
  /// Writes every view into the folder and returns the files written.
  QStringList exportAllViews(const QString& folder);

private:
  void exportCurrentViewInteractively();
  void exportAllViewsInteractively();
  void updateAction();

  ExplorerWindow& m_window;
  QAction* m_currentView = nullptr;
};
