#pragma once

#include "apps/explorer/ProjectFiles.h"

#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class DataPipelineManager;
class DataViewInterface;
class DataViewManager;
class ExplorerSession;
class ExportMenu;
class FilterPanel;
class MouseModeToolBar;
class PropertyPanel;
class QAction;
class QTableView;
class RecentProjects;
class QDockWidget;
class QLabel;
class QMenu;
class SelectionModel;
class SurrogateModelPanel;
class UnsavedChanges;
class ViewArea;

/// The explorer's main window over one open project: the views in tabs, the selected cases in
/// a fixed panel, panels for the current view's settings, the filters and the undo history,
/// and the menus that open and save projects and add and remove views. Problems are shown in
/// message boxes, or in batch mode written to the standard error output and kept in problems().
class ExplorerWindow : public QMainWindow
{
  Q_OBJECT

public:
  enum class Mode
  {
    Interactive,
    Batch
  };

  explicit ExplorerWindow(Mode mode = Mode::Interactive, QWidget* parent = nullptr);
  ~ExplorerWindow() override;

  /// Replaces the project and its views with what `read` gives; when it throws, the problem is
  /// reported and the open project stays.
  bool openProject(const std::function<OpenedProject()>& read);
  bool openFile(const QString& path);
  bool openSample();
  bool saveProject(const QString& path);
  /// Adds the views of a views document or project document to those open.
  bool loadViews(const QString& path);
  bool restoreViews(const QDomElement& views);
  /// Adds a view of the kind (see ViewKinds); empty, after reporting, when it cannot.
  boost::shared_ptr<DataViewInterface> addView(const QString& kind);
  /// Shows the data of a project opened without saved views.
  void addTableWhenNoViews();
  void removeCurrentView();
  /// Selects the cases of the project among the ids; reports the others.
  void select(const std::set<uint64_t>& ids);
  /// Writes the views document and the tabular views' CSV files into the folder; returns the
  /// files written, none after reporting a failure.
  QStringList exportViews(const QString& folder);
  /// Writes the current plotting view as a PNG image of the given size; false after reporting.
  bool exportCurrentView(const QString& path, QSize size);
  /// The size of the plot pictures that exportViews writes.
  void setPictureSize(QSize size) { m_pictureSize = size; }

  const boost::shared_ptr<DataViewManager>& manager() const;
  DataPipelineManager& pipeline() const;
  SelectionModel& selection() const;
  ViewArea& viewArea() const { return *m_viewArea; }
  PropertyPanel& propertyPanel() const { return *m_propertyPanel; }
  FilterPanel& filterPanel() const { return *m_filterPanel; }
  SurrogateModelPanel& surrogatePanel() const { return *m_surrogatePanel; }
  MouseModeToolBar& mouseModes() const { return *m_mouseModes; }
  /// The widget showing the view: its tab, or the selected-cases panel.
  QWidget* containerOf(const boost::shared_ptr<DataViewInterface>& view) const;
  /// Every problem reported so far.
  const QStringList& problems() const { return m_problems; }
  /// Where Save writes; empty until the project was opened from or saved to a document.
  const QString& documentPath() const { return m_documentPath; }
  /// The folder of the project's document or of the file it came from; the home folder for the
  /// sample. Save and export dialogs start there.
  QString projectFolder() const;
  ExportMenu& exportMenu() const { return *m_exportMenu; }
  RecentProjects& recentProjects() const { return *m_recent; }
  /// Shows the problem to the user (in batch mode, writes it to the standard error output) and
  /// keeps it in problems().
  void report(const QString& title, const QString& message);
  /// Copies the selected rows of the focused table, else of the current view's, as
  /// tab-separated text with a header row. False when there is no row to copy.
  bool copySelectedRows();
  /// Whether the project changed since it was opened or saved.
  bool isChanged() const;
  /// Before the project is closed or replaced: true when it has not changed, or the user saved
  /// it or chose to discard the changes; false when the user cancelled (or saving failed).
  /// Batch mode never asks.
  bool maySetAsideProject();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void buildDocks();
  void buildMenus();
  void buildFileMenu();
  void buildEditMenu();
  void buildViewMenu();
  QDockWidget* addDock(const QString& title, QWidget* content, Qt::DockWidgetArea area);

  void endSession();
  void startSession(OpenedProject opened);
  void applyFilters(const std::vector<FilterSettings>& filters);
  void showSelectedCases();
  void onViewCreated(QWidget* container, const boost::shared_ptr<DataViewInterface>& view);
  void onViewRemoved(const boost::shared_ptr<DataViewInterface>& view);
  void watchSurrogateErrors(const boost::shared_ptr<DataViewInterface>& view);
  void onCurrentViewChanged();
  void updateStatus();
  /// Reports once the project is open and its first view shown (at once in batch mode).
  void reportOnceOpen(const QString& title, const QString& message);
  void updateTitle(const QString& projectName);
  /// The table Ctrl+C copies from: the focused one, else the current view's.
  QTableView* tableToCopy() const;
  /// Opens a file from the recent list, a CSV file through the import dialog.
  void openRecent(const QString& path);
  void rememberRecent(const QString& path);

  void openCsvInteractively();
  void importCsvInteractively(const QString& path);
  void openProjectInteractively();
  /// False when nothing was saved.
  bool saveInteractively();
  bool saveAsInteractively();
  /// The project document, else a document in the project's folder named after the file the
  /// project came from, or after the project.
  QString suggestedProjectPath() const;
  void loadViewsInteractively();
  void selectCasesInteractively();
  void exportCurrentViewInteractively();

  Mode m_mode;
  std::unique_ptr<ExplorerSession> m_session;
  std::vector<boost::signals2::scoped_connection> m_sessionConnections;
  ViewArea* m_viewArea = nullptr;
  QWidget* m_selectedCasesHost = nullptr;
  PropertyPanel* m_propertyPanel = nullptr;
  FilterPanel* m_filterPanel = nullptr;
  SurrogateModelPanel* m_surrogatePanel = nullptr;
  std::map<const DataViewInterface*, boost::signals2::scoped_connection> m_surrogateErrors;
  MouseModeToolBar* m_mouseModes = nullptr;
  QSize m_pictureSize;
  QLabel* m_status = nullptr;
  QMenu* m_panelsMenu = nullptr;
  QAction* m_removeView = nullptr;
  UnsavedChanges* m_changes = nullptr;
  RecentProjects* m_recent = nullptr;
  ExportMenu* m_exportMenu = nullptr;
  QString m_documentPath;
  QString m_projectName;
  /// The file the project was read from, where Save As starts; empty for the sample.
  QString m_sourcePath;
  QStringList m_problems;
};
