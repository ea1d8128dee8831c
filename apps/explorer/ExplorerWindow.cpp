#include "apps/explorer/ExplorerWindow.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/serialize/SelectedCasesViewFinder.h"
#include "apps/explorer/CommandLine.h"
#include "apps/explorer/CsvImportDialog.h"
#include "apps/explorer/ExplorerSession.h"
#include "apps/explorer/ExportMenu.h"
#include "apps/explorer/FailureText.h"
#include "apps/explorer/FilterPanel.h"
#include "apps/explorer/HelpMenu.h"
#include "apps/explorer/ImageViewActions.h"
#include "apps/explorer/MouseModeToolBar.h"
#include "apps/explorer/PictureExportDialog.h"
#include "apps/explorer/PlotPictures.h"
#include "apps/explorer/PropertyPanel.h"
#include "apps/explorer/RecentProjects.h"
#include "apps/explorer/SelectCasesDialog.h"
#include "apps/explorer/SurrogateModelPanel.h"
#include "apps/explorer/TableCopy.h"
#include "apps/explorer/TableSortOrders.h"
#include "apps/explorer/UnsavedChanges.h"
#include "apps/explorer/ViewArea.h"
#include "apps/explorer/ViewExport.h"
#include "apps/explorer/ViewKinds.h"
#include "apps/explorer/ViewsDocument.h"
#include "apps/explorer/Wording.h"
#include "host/core/ExceptionBase.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/FilterSettingsConversion.h"
#include "host/project/Project.h"
#include "host/surrogate/SurrogateModelManager.h"
#include "host/viewsupport/SelectionModel.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QUndoView>
#include <iostream>
#include <vtkTable.h>
#include <vtkTableAlgorithm.h>

namespace
{

const QString projectFilter = QStringLiteral("Project documents (*.xml);;All files (*)");

} // namespace

ExplorerWindow::ExplorerWindow(Mode mode, QWidget* parent)
  : QMainWindow(parent)
  , m_mode(mode)
  , m_viewArea(new ViewArea(this))
  , m_status(new QLabel(this))
  , m_changes(new UnsavedChanges(*this))
{
  resize(1280, 800);
  m_pictureSize = PlotPictures::defaultSize;
  setCentralWidget(m_viewArea);
  statusBar()->addWidget(m_status);
  buildDocks();
  buildMenus();
  connect(m_viewArea, &ViewArea::currentViewChanged, this, &ExplorerWindow::onCurrentViewChanged);
  OpenedProject empty;
  empty.displayName = QStringLiteral("Empty project");
  startSession(std::move(empty));
}

ExplorerWindow::~ExplorerWindow()
{
  endSession();
}

bool ExplorerWindow::openProject(const std::function<OpenedProject()>& read)
{
  std::unique_ptr<OpenedProject> opened;
  try
  {
    opened = std::make_unique<OpenedProject>(read());
  }
  catch (...)
  {
    report(
      QStringLiteral("Cannot open the project"), FailureText::reason(std::current_exception()));
    return false;
  }
  endSession();
  startSession(std::move(*opened));
  return true;
}

bool ExplorerWindow::openFile(const QString& path)
{
  const bool opened = openProject([&path] { return ProjectFiles::open(path); });
  if (opened)
    rememberRecent(path);
  return opened;
}

bool ExplorerWindow::openSample()
{
  return openProject([] { return ProjectFiles::sample(); });
}

bool ExplorerWindow::saveProject(const QString& path)
{
  try
  {
    ProjectFiles::save(
      path, pipeline(), manager(), [this](const auto& view) { return containerOf(view); });
  }
  catch (...)
  {
    report(
      QStringLiteral("Cannot save the project"), FailureText::reason(std::current_exception()));
    return false;
  }
  m_documentPath = QFileInfo(path).absoluteFilePath();
  m_changes->markSaved();
  rememberRecent(m_documentPath);
  updateTitle(QFileInfo(path).fileName());
  statusBar()->showMessage(
    QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(m_documentPath)), 10000);
  return true;
}

QString ExplorerWindow::projectFolder() const
{
  const QString& file = m_documentPath.isEmpty() ? m_sourcePath : m_documentPath;
  return file.isEmpty() ? QDir::homePath() : QFileInfo(file).absolutePath();
}

bool ExplorerWindow::copySelectedRows()
{
  const QTableView* table = tableToCopy();
  const QString text =
    table ? TableCopy::selectedRows(*table, selection().getSelections()) : QString();
  if (text.isEmpty())
  {
    statusBar()->showMessage(QStringLiteral("Select rows of a table to copy them."), 5000);
    return false;
  }
  QApplication::clipboard()->setText(text);
  const int rows = text.count('\n') - 1;
  statusBar()->showMessage(
    QStringLiteral("Copied %1 with a header row.").arg(Wording::counted(rows, "row", "rows")),
    5000);
  return true;
}

QTableView* ExplorerWindow::tableToCopy() const
{
  for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
    if (auto* table = qobject_cast<QTableView*>(widget))
      if (isAncestorOf(table))
        return table;
  const auto view = m_viewArea->currentView();
  QWidget* container = view ? m_viewArea->containerOf(view) : nullptr;
  return container ? container->findChild<QTableView*>() : nullptr;
}

void ExplorerWindow::openRecent(const QString& path)
{
  if (!QFileInfo::exists(path))
  {
    m_recent->remove(path);
    report(QStringLiteral("Cannot open the project"),
      QStringLiteral("\"%1\" no longer exists; it is taken off the recent projects.")
        .arg(QDir::toNativeSeparators(path)));
    return;
  }
  if (!maySetAsideProject())
    return;
  if (ProjectFiles::isCsv(path))
    importCsvInteractively(path);
  else if (openFile(path))
    addTableWhenNoViews();
}

void ExplorerWindow::rememberRecent(const QString& path)
{
  if (m_mode == Mode::Interactive)
    m_recent->add(path);
}

bool ExplorerWindow::isChanged() const
{
  return m_changes->isChanged();
}

bool ExplorerWindow::maySetAsideProject()
{
  if (m_mode == Mode::Batch || !isChanged())
    return true;
  switch (m_changes->ask(m_projectName))
  {
    case UnsavedChanges::Answer::Save:
      return saveInteractively();
    case UnsavedChanges::Answer::Discard:
      return true;
    case UnsavedChanges::Answer::Cancel:
      break;
  }
  return false;
}

void ExplorerWindow::closeEvent(QCloseEvent* event)
{
  if (maySetAsideProject())
    event->accept();
  else
    event->ignore();
}

bool ExplorerWindow::loadViews(const QString& path)
{
  QDomDocument document;
  try
  {
    return restoreViews(ViewsDocument::readViewsElement(path, document));
  }
  catch (...)
  {
    report(QStringLiteral("Cannot read the views"), FailureText::reason(std::current_exception()));
    return false;
  }
}

bool ExplorerWindow::restoreViews(const QDomElement& views)
{
  const ViewsDocument::Problems problems = [&]
  {
    const ViewArea::DeferredCurrent deferred(*m_viewArea);
    return ViewsDocument(manager()).restore(views);
  }();
  for (const QString& skipped : problems.skipped)
    report(QStringLiteral("A view was not restored"), skipped);
  if (!problems.failure.isEmpty())
    report(QStringLiteral("The views were not all restored"), problems.failure);
  return problems.skipped.isEmpty() && problems.failure.isEmpty();
}

boost::shared_ptr<DataViewInterface> ExplorerWindow::addView(const QString& kind)
{
  try
  {
    return ViewKinds::add(kind, *manager(), *m_selectedCasesHost, selection().getSelections());
  }
  catch (...)
  {
    const ViewKinds::Kind* known = ViewKinds::find(kind);
    report(QStringLiteral("Cannot add %1").arg(Wording::aViewOf(known ? known->title : kind)),
      FailureText::reason(std::current_exception()));
    return {};
  }
}

void ExplorerWindow::addTableWhenNoViews()
{
  if (m_viewArea->count() == 0)
  {
    addView(QStringLiteral("table"));
    UndoStack::clear();
  }
}

void ExplorerWindow::removeCurrentView()
{
  if (const auto view = m_viewArea->currentView())
    manager()->removeView(view);
}

void ExplorerWindow::select(const std::set<uint64_t>& ids)
{
  std::set<uint64_t> known;
  std::vector<uint64_t> unknown;
  for (uint64_t id : ids)
  {
    if (Project::project().rowOf(id) >= 0)
      known.insert(id);
    else
      unknown.push_back(id);
  }
  if (!unknown.empty())
    report(QStringLiteral("Some cases were not selected"),
      QStringLiteral("The project has %1.").arg(Wording::noCasesWithIds(unknown)));
  selection().setSelection(known);
}

QStringList ExplorerWindow::exportViews(const QString& folder)
{
  QStringList written;
  const auto containers = [this](const auto& view) { return containerOf(view); };
  try
  {
    written = ViewExport::write(folder, manager(), containers);
  }
  catch (...)
  {
    report(
      QStringLiteral("Cannot export the views"), FailureText::reason(std::current_exception()));
    return {};
  }
  // On screen, each view is pictured in its own tab, as the user sees it; the tab the user was
  // in comes back afterwards.
  const auto current = m_viewArea->currentView();
  const auto reveal = [this](const auto& view)
  {
    if (isVisible() && m_viewArea->showView(view))
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  try
  {
    written << PlotPictures::writeAll(folder, manager(), containers, m_pictureSize, reveal);
  }
  catch (...)
  {
    report(QStringLiteral("Cannot write the pictures of the views"),
      FailureText::reason(std::current_exception()));
  }
  if (current)
    m_viewArea->showView(current);
  return written;
}

bool ExplorerWindow::exportCurrentView(const QString& path, QSize size)
{
  const auto view = m_viewArea->currentView();
  QWidget* container = view ? containerOf(view) : nullptr;
  try
  {
    if (!container || !PlotPictures::isPlot(ViewKinds::nameOf(*view)))
      throw vantor::ExceptionBase("Only plots can be exported as PNG images.");
    PlotPictures::writePlot(*view, *container, path, size);
    return true;
  }
  catch (...)
  {
    report(QStringLiteral("Cannot export the view"), FailureText::reason(std::current_exception()));
    return false;
  }
}

void ExplorerWindow::exportCurrentViewInteractively()
{
  PictureExportDialog dialog(QStringLiteral("view.png"), PlotPictures::defaultSize, this);
  if (dialog.exec() == QDialog::Accepted)
    exportCurrentView(dialog.path(), dialog.size());
}

const boost::shared_ptr<DataViewManager>& ExplorerWindow::manager() const
{
  return m_session->manager();
}

DataPipelineManager& ExplorerWindow::pipeline() const
{
  return m_session->pipeline();
}

SelectionModel& ExplorerWindow::selection() const
{
  return m_session->selection();
}

QWidget* ExplorerWindow::containerOf(const boost::shared_ptr<DataViewInterface>& view) const
{
  const auto selectedCases = selectedCasesView(*manager());
  if (selectedCases && selectedCases.get() == view.get())
    return m_selectedCasesHost;
  return m_viewArea->containerOf(view);
}

void ExplorerWindow::buildDocks()
{
  m_selectedCasesHost = new QWidget(this);
  QDockWidget* selectedCases =
    addDock(QStringLiteral("Selected Cases"), m_selectedCasesHost, Qt::BottomDockWidgetArea);

  m_filterPanel = new FilterPanel(this);
  QDockWidget* filters = addDock(QStringLiteral("Filters"), m_filterPanel, Qt::LeftDockWidgetArea);
  m_surrogatePanel = new SurrogateModelPanel(this);
  tabifyDockWidget(
    filters, addDock(QStringLiteral("Surrogate Models"), m_surrogatePanel, Qt::LeftDockWidgetArea));
  filters->raise();

  m_propertyPanel = new PropertyPanel(this);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(m_propertyPanel);
  scroll->setWidgetResizable(true);
  QDockWidget* properties = addDock(QStringLiteral("Properties"), scroll, Qt::RightDockWidgetArea);

  auto* history = new QUndoView(&UndoStack::qUndoStack(), this);
  // Every step resets the list; rows of one height spare measuring every row each time.
  history->setUniformItemSizes(true);
  QDockWidget* undoHistory =
    addDock(QStringLiteral("Undo History"), history, Qt::RightDockWidgetArea);
  // The views get most of the room; the settings keep enough to show a variable's name.
  resizeDocks({ filters, properties }, { 220, 340 }, Qt::Horizontal);
  resizeDocks({ selectedCases }, { 220 }, Qt::Vertical);
  resizeDocks({ properties, undoHistory }, { 420, 140 }, Qt::Vertical);
}

QDockWidget* ExplorerWindow::addDock(const QString& title,
  QWidget* content,
  Qt::DockWidgetArea area)
{
  auto* dock = new QDockWidget(title, this);
  dock->setObjectName(title);
  dock->setWidget(content);
  addDockWidget(area, dock);
  return dock;
}

void ExplorerWindow::buildMenus()
{
  buildFileMenu();
  buildEditMenu();
  buildViewMenu();
  m_mouseModes = new MouseModeToolBar(this);
  addToolBar(m_mouseModes);
  new HelpMenu(*this);
}

void ExplorerWindow::buildFileMenu()
{
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("Open &CSV..."),
    this,
    &ExplorerWindow::openCsvInteractively,
    QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_O));
  file->addAction(QStringLiteral("&Open Project..."),
    this,
    &ExplorerWindow::openProjectInteractively,
    QKeySequence::Open);
  QMenu* recent = file->addMenu(QStringLiteral("&Recent Projects"));
  m_recent = new RecentProjects(
    *recent, [this](const QString& path) { openRecent(path); }, this);
  file->addAction(QStringLiteral("Open Sample Project"),
    this,
    [this]
    {
      if (maySetAsideProject() && openSample())
        addTableWhenNoViews();
    });
  file->addSeparator();
  file->addAction(
    QStringLiteral("&Save Project"), this, &ExplorerWindow::saveInteractively, QKeySequence::Save);
  file->addAction(QStringLiteral("Save Project &As..."),
    this,
    &ExplorerWindow::saveAsInteractively,
    QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_S));
  file->addSeparator();
  file->addAction(QStringLiteral("Load &Views..."), this, &ExplorerWindow::loadViewsInteractively);
  file->addAction(QStringLiteral("Export View as &PNG..."),
    this,
    &ExplorerWindow::exportCurrentViewInteractively);
  m_exportMenu = new ExportMenu(*this, *file);
  file->addSeparator();
  file->addAction(QStringLiteral("&Quit"), this, &QWidget::close, QKeySequence::Quit);
}

void ExplorerWindow::buildEditMenu()
{
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  QAction* undo = UndoStack::qUndoStack().createUndoAction(this, QStringLiteral("&Undo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = UndoStack::qUndoStack().createRedoAction(this, QStringLiteral("&Redo"));
  redo->setShortcut(QKeySequence::Redo);
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  edit->addAction(QStringLiteral("&Copy Selected Rows"),
    this,
    &ExplorerWindow::copySelectedRows,
    QKeySequence::Copy);
  edit->addAction(QStringLiteral("&Select Cases..."),
    this,
    &ExplorerWindow::selectCasesInteractively,
    QKeySequence::Find);
  edit->addAction(QStringLiteral("&Clear Selection"), this, [this] { select({}); });
}

void ExplorerWindow::buildViewMenu()
{
  QMenu* views = menuBar()->addMenu(QStringLiteral("&View"));
  for (const auto& kind : ViewKinds::all())
    if (kind.available && kind.name != QLatin1String("selected-cases"))
    {
      QAction* add = views->addAction(QStringLiteral("Add %1").arg(kind.title),
        this,
        [this, name = kind.name] { addView(name); });
      if (kind.name == QLatin1String("table"))
        add->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_T));
    }
  views->addAction(QStringLiteral("&Compare Images..."),
    this,
    [this]
    {
      if (const auto view = m_viewArea->currentView())
        ImageViewActions::compareSelectedImages(this, *manager(), *view);
    });
  views->addSeparator();
  m_removeView = views->addAction(
    QStringLiteral("&Remove View"), this, &ExplorerWindow::removeCurrentView, QKeySequence::Close);
  views->addSeparator();
  QMenu* panels = views->addMenu(QStringLiteral("&Panels"));
  for (QDockWidget* dock : findChildren<QDockWidget*>())
    panels->addAction(dock->toggleViewAction());
}

void ExplorerWindow::endSession()
{
  UndoStack::clear();
  m_sessionConnections.clear();
  m_viewArea->releaseAll();
  m_propertyPanel->showView(nullptr);
  m_filterPanel->setPipeline(nullptr);
  m_surrogatePanel->setManager(nullptr);
  m_surrogateErrors.clear();
  m_session.reset();
}

void ExplorerWindow::startSession(OpenedProject opened)
{
  Project::project().assign(std::move(opened.contents));
  m_session = std::make_unique<ExplorerSession>();
  DataViewManager& manager = *m_session->manager();
  m_sessionConnections.emplace_back(manager.signalViewCreated.connect(
    [this](QWidget* container, const auto& view) { onViewCreated(container, view); }));
  m_sessionConnections.emplace_back(
    manager.signalViewRemoved.connect([this](const auto& view) { onViewRemoved(view); }));
  m_sessionConnections.emplace_back(
    selection().signalSelectionChanged.connect([this] { updateStatus(); }));
  m_sessionConnections.emplace_back(
    pipeline().signalFilteredDataChanged.connect([this] { updateStatus(); }));
  m_filterPanel->setPipeline(&pipeline());
  m_surrogatePanel->setManager(m_session->surrogateModels());
  applyFilters(opened.filters);
  showSelectedCases();
  m_documentPath = opened.documentPath;
  m_sourcePath = opened.sourcePath;
  updateTitle(opened.displayName);
  if (!opened.views.isNull())
    restoreViews(opened.views);
  const QStringList unsorted = TableSortOrders::restore(
    opened.explorer, manager, [this](const auto& view) { return containerOf(view); });
  for (const QString& problem : unsorted)
    report(QStringLiteral("A sort order was not restored"), problem);
  // Opening is not a step the user can undo.
  UndoStack::clear();
  updateStatus();
  for (const QString& warning : opened.readerWarnings)
    reportOnceOpen(QStringLiteral("Text encoding"), warning);
  if (!opened.missingImages.isEmpty())
    reportOnceOpen(
      QStringLiteral("Missing image files"), Wording::missingImages(opened.missingImages));
}

void ExplorerWindow::applyFilters(const std::vector<FilterSettings>& filters)
{
  if (filters.empty())
    return;
  try
  {
    applyFilterSettings(pipeline(), filters);
  }
  catch (...)
  {
    report(QStringLiteral("The project's filters were not applied"),
      FailureText::reason(std::current_exception()));
  }
}

void ExplorerWindow::showSelectedCases()
{
  try
  {
    manager()->addSelectedCasesView(*m_selectedCasesHost);
  }
  catch (...)
  {
    report(QStringLiteral("The selected cases cannot be shown"),
      FailureText::reason(std::current_exception()));
  }
}

void ExplorerWindow::onViewCreated(QWidget* container,
  const boost::shared_ptr<DataViewInterface>& view)
{
  // The selected-cases view lives in its own panel, which the window owns.
  if (!container || container == m_selectedCasesHost)
    return;
  m_viewArea->addView(container, view);
  watchSurrogateErrors(view);
}

// A view reports a surrogate-model failure while it renders: shown without interrupting it.
void ExplorerWindow::watchSurrogateErrors(const boost::shared_ptr<DataViewInterface>& view)
{
  boost::signals2::signal<void(const std::string&)>* signal = nullptr;
  if (auto plot3D = boost::dynamic_pointer_cast<ScatterPlot3DInterface>(view))
    signal = &plot3D->signalSurrogateModelError;
  else if (auto linePlot = boost::dynamic_pointer_cast<LinePlotInterface>(view))
    signal = &linePlot->signalSurrogateModelError;
  if (!signal)
    return;
  const DataViewInterface* key = view.get();
  m_surrogateErrors[key] = signal->connect(
    [this, key](const std::string& text)
    {
      const QString message = QStringLiteral("%1: %2").arg(
        QString::fromStdString(key->title()), QString::fromStdString(text));
      statusBar()->showMessage(message, 15000);
      m_surrogatePanel->showViewError(message);
    });
}

void ExplorerWindow::onViewRemoved(const boost::shared_ptr<DataViewInterface>& view)
{
  m_viewArea->removeView(view);
}

void ExplorerWindow::onCurrentViewChanged()
{
  const auto view = m_viewArea->currentView();
  m_propertyPanel->showView(view);
  m_removeView->setEnabled(static_cast<bool>(view));
  m_mouseModes->setView(view && PlotPictures::isPlot(ViewKinds::nameOf(*view)) ? view : nullptr);
}

void ExplorerWindow::updateStatus()
{
  vtkTableAlgorithm& filtered = *pipeline().filteredOutput();
  filtered.Update();
  m_status->setText(QStringLiteral("%1 cases, %2 pass the filters, %3 selected")
                      .arg(Project::project().recordCount())
                      .arg(filtered.GetOutput()->GetNumberOfRows())
                      .arg(selection().sortedSelections().size()));
}

void ExplorerWindow::updateTitle(const QString& projectName)
{
  m_projectName = projectName;
  setWindowTitle(QStringLiteral("%1[*] - Vantor Explorer").arg(projectName));
}

void ExplorerWindow::report(const QString& title, const QString& message)
{
  m_problems << title + ": " + message;
  if (m_mode == Mode::Batch)
    std::cerr << title.toStdString() << ": " << message.toStdString() << std::endl;
  else
    QMessageBox::warning(this, title, message);
}

void ExplorerWindow::reportOnceOpen(const QString& title, const QString& message)
{
  if (m_mode == Mode::Batch)
    report(title, message);
  else
    QTimer::singleShot(0, this, [this, title, message] { report(title, message); });
}

void ExplorerWindow::openCsvInteractively()
{
  if (!maySetAsideProject())
    return;
  const QString path = QFileDialog::getOpenFileName(this,
    QStringLiteral("Open CSV"),
    projectFolder(),
    QStringLiteral("CSV files (*.csv);;All files (*)"));
  if (!path.isEmpty())
    importCsvInteractively(path);
}

void ExplorerWindow::importCsvInteractively(const QString& path)
{
  CsvImportDialog dialog(path, this);
  if (dialog.exec() != QDialog::Accepted || !openProject([&] { return dialog.takeProject(); }))
    return;
  rememberRecent(path);
  addTableWhenNoViews();
}

void ExplorerWindow::openProjectInteractively()
{
  if (!maySetAsideProject())
    return;
  const QString path = QFileDialog::getOpenFileName(
    this, QStringLiteral("Open Project"), projectFolder(), projectFilter);
  if (!path.isEmpty() && openFile(path))
    addTableWhenNoViews();
}

bool ExplorerWindow::saveInteractively()
{
  return m_documentPath.isEmpty() ? saveAsInteractively() : saveProject(m_documentPath);
}

bool ExplorerWindow::saveAsInteractively()
{
  QString path = QFileDialog::getSaveFileName(
    this, QStringLiteral("Save Project As"), suggestedProjectPath(), projectFilter);
  if (path.isEmpty())
    return false;
  if (QFileInfo(path).suffix().isEmpty())
    path += QStringLiteral(".xml");
  return saveProject(path);
}

QString ExplorerWindow::suggestedProjectPath() const
{
  if (!m_documentPath.isEmpty())
    return m_documentPath;
  const QString name =
    m_sourcePath.isEmpty() ? m_projectName : QFileInfo(m_sourcePath).completeBaseName();
  return QDir(projectFolder()).filePath(name + QStringLiteral(".xml"));
}

void ExplorerWindow::loadViewsInteractively()
{
  const QString path = QFileDialog::getOpenFileName(this,
    QStringLiteral("Load Views"),
    projectFolder(),
    QStringLiteral("Views or project documents (*.xml);;All files (*)"));
  if (!path.isEmpty())
    loadViews(path);
}

void ExplorerWindow::selectCasesInteractively()
{
  SelectCasesDialog dialog(this);
  if (dialog.exec() == QDialog::Accepted)
    select(dialog.ids());
}
