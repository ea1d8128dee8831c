#include "apps/explorer/ExplorerStartup.h"

#include "apps/explorer/CommandLine.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/ProjectFiles.h"
#include "host/core/UndoStack.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <iostream>

namespace
{

const QSize defaultSize(1280, 800);

int exportAndReport(ExplorerWindow& window, const QString& folder)
{
  // Deferred updates of the panels and models settle before the views are read.
  QApplication::processEvents();
  const QStringList files = window.exportViews(folder);
  if (!files.isEmpty())
  {
    std::cout << "Exported the views to " << QDir(folder).absolutePath().toStdString() << ":\n";
    for (const QString& file : files)
      std::cout << "  "
                << QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toStdString()
                << "\n";
    std::cout.flush();
  }
  return window.problems().isEmpty() ? 0 : 1;
}

} // namespace

bool ExplorerStartup::apply(ExplorerWindow& window, const ExplorerOptions& options)
{
  window.resize(options.size.isValid() ? options.size : defaultSize);
  if (options.size.isValid())
    window.setPictureSize(options.size);
  CsvImportOptions csvOptions;
  csvOptions.skipLines = options.skipLines;
  const bool opened =
    options.project.isEmpty()
      ? window.openSample()
      : window.openProject([&] { return ProjectFiles::open(options.project, csvOptions); });
  if (!opened)
    return false;
  if (!options.viewsFile.isEmpty())
    window.loadViews(options.viewsFile);
  // Selected first, so that a selected-images view starts with the selected cases.
  if (options.hasSelection)
    window.select(options.selection);
  for (const QString& kind : options.addKinds)
    window.addView(kind);
  if (options.addKinds.isEmpty() && options.viewsFile.isEmpty())
    window.addTableWhenNoViews();
  // What the command line set up is where the user starts, not a step to undo.
  UndoStack::clear();
  return true;
}

int ExplorerStartup::run(const ExplorerOptions& options)
{
  const bool batch = !options.exportDir.isEmpty();
  ExplorerWindow window(batch ? ExplorerWindow::Mode::Batch : ExplorerWindow::Mode::Interactive);
  if (!batch)
  {
    // Shown first, so that what opening reports appears over the window it is about.
    window.resize(options.size.isValid() ? options.size : defaultSize);
    window.show();
    apply(window, options);
    return QApplication::exec();
  }
  // The tabular views export from their models, which need no window on screen.
  return apply(window, options) ? exportAndReport(window, options.exportDir) : 1;
}
