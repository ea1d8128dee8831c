#include "apps/explorer/ExportMenu.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManager.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/FailureText.h"
#include "apps/explorer/ViewArea.h"
#include "apps/explorer/ViewFileFormat.h"
#include "apps/explorer/ViewKinds.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <optional>

namespace
{

std::optional<ViewFileFormat> currentFormat(ExplorerWindow& window, QString& kind)
{
  const auto view = window.viewArea().currentView();
  QWidget* container = view ? window.containerOf(view) : nullptr;
  if (!container)
    return std::nullopt;
  kind = ViewKinds::nameOf(*view);
  return ViewFileFormat::of(kind, *container, *window.manager());
}

} // namespace

ExportMenu::ExportMenu(ExplorerWindow& window, QMenu& fileMenu)
  : QObject(&window)
  , m_window(window)
{
  QMenu* menu = fileMenu.addMenu(QStringLiteral("&Export"));
  m_currentView = menu->addAction(QStringLiteral("&Current View..."),
    this,
    &ExportMenu::exportCurrentViewInteractively,
    QKeySequence(Qt::CTRL + Qt::Key_E));
  menu->addAction(QStringLiteral("&All Views to Folder..."),
    this,
    &ExportMenu::exportAllViewsInteractively,
    QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_E));
  connect(&window.viewArea(), &ViewArea::currentViewChanged, this, &ExportMenu::updateAction);
  updateAction();
}

bool ExportMenu::exportCurrentView(const QString& path)
{
  QString kind;
  const auto format = currentFormat(m_window, kind);
  if (!format)
    return false;
  try
  {
    format->write(path);
  }
  catch (...)
  {
    m_window.report(
      QStringLiteral("Cannot export the view"), FailureText::reason(std::current_exception()));
    return false;
  }
  m_window.statusBar()->showMessage(
    QStringLiteral("Exported %1").arg(QDir::toNativeSeparators(path)), 10000);
  return true;
}

QStringList ExportMenu::exportAllViews(const QString& folder)
{
  const QStringList written = m_window.exportViews(folder);
  if (!written.isEmpty())
    m_window.statusBar()->showMessage(QStringLiteral("Exported %1 files to %2")
                                        .arg(written.size())
                                        .arg(QDir::toNativeSeparators(QDir(folder).absolutePath())),
      10000);
  return written;
}

void ExportMenu::exportCurrentViewInteractively()
{
  QString kind;
  const auto format = currentFormat(m_window, kind);
  if (!format)
    return;
  const QString suggested =
    QDir(m_window.projectFolder()).filePath(kind + QStringLiteral(".") + format->suffix);
  QString path = QFileDialog::getSaveFileName(
    &m_window, QStringLiteral("Export Current View"), suggested, format->filter);
  if (path.isEmpty())
    return;
  if (QFileInfo(path).suffix().isEmpty())
    path += QStringLiteral(".") + format->suffix;
  exportCurrentView(path);
}

void ExportMenu::exportAllViewsInteractively()
{
  const QString folder = QFileDialog::getExistingDirectory(
    &m_window, QStringLiteral("Export All Views to Folder"), m_window.projectFolder());
  if (folder.isEmpty())
    return;
  const QStringList written = exportAllViews(folder);
  if (written.isEmpty())
    return;
  QStringList shown;
  for (const QString& file : written)
    shown << QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
  QMessageBox::information(&m_window,
    QStringLiteral("Views Exported"),
    QStringLiteral("Wrote %1 files:\n%2").arg(written.size()).arg(shown.join('\n')));
}

void ExportMenu::updateAction()
{
  QString kind;
  const bool writable = currentFormat(m_window, kind).has_value();
  m_currentView->setEnabled(writable);
  m_currentView->setToolTip(
    writable ? QString() : QStringLiteral("This build cannot export the current view."));
}
