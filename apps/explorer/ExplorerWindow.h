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
class FilterPanel;
class MouseModeToolBar;
class PropertyPanel;
class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class SelectionModel;
class SurrogateModelPanel;
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
  void updateTitle(const QString& projectName);
  void report(const QString& title, const QString& message);

  void openCsvInteractively();
  void openProjectInteractively();
  void saveInteractively();
  void saveAsInteractively();
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
  QString m_documentPath;
  QStringList m_problems;
};
