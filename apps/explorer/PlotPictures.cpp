#include "apps/explorer/PlotPictures.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/export/PNGExporter.h"
#include "apps/explorer/ViewKinds.h"
#include "host/core/ExceptionBase.h"
#include "host/filesystem/FileInfo.h"
#include "host/surrogate/SurrogateModelCSVExporter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLWidget>
#include <QPixmap>
#include <QWidget>
#include <boost/make_shared.hpp>
#include <map>
#include <vtkTableAlgorithm.h>

const QSize PlotPictures::defaultSize(800, 600);

namespace
{

/// The surrogate predictions a plot shows, or null when it shows none.
vtkSmartPointer<vtkTableAlgorithm> shownDerivedData(DataViewInterface& view)
{
  if (auto* plot3D = dynamic_cast<ScatterPlot3DInterface*>(&view))
    return plot3D->derivedDataShow()->value() ? plot3D->derivedData() : nullptr;
  if (auto* linePlot = dynamic_cast<LinePlotInterface*>(&view))
    if (linePlot->showDerivedData() && linePlot->showDerivedData()->value())
      return linePlot->derivedData();
  return nullptr;
}

QString numberedName(const QString& kind, std::map<QString, int>& used)
{
  const int count = ++used[kind];
  return count == 1 ? kind : QStringLiteral("%1-%2").arg(kind).arg(count);
}

void requireWritten(const QString& path)
{
  if (!QFileInfo(path).isFile())
    throw vantor::ExceptionBase(QStringLiteral("Cannot write \"%1\".").arg(path).toStdString());
}

/// A view of a window that is not shown, taken out of it to be laid out at the asked size:
/// grabbing would lay it out as the window places it, which for a tab that is not current is
/// at a token size. Only a window that is never shown can afford to lose it.
void takeOutOfHiddenWindow(QWidget& container, QSize size)
{
  container.setParent(nullptr);
  container.resize(size);
}

/// A plot needs its drawable on screen, though not seen, to draw at all.
void showOffScreen(QWidget& container, QSize size)
{
  takeOutOfHiddenWindow(container, size);
  container.setAttribute(Qt::WA_DontShowOnScreen);
  container.show();
}

} // namespace

void PlotPictures::hidePlots(DataViewManagerInterface& manager, const ContainerOf& containerOf)
{
  // Hidden, a plot is not laid out when other views are grabbed, so it asks for no OpenGL.
  for (const auto& view : manager.dataViews())
    if (QWidget* container = containerOf(view); container && isPlot(ViewKinds::nameOf(*view)))
      container->hide();
}

bool PlotPictures::isPlot(const QString& kind)
{
  return kind == QLatin1String("scatter3d") || kind == QLatin1String("scatter2d") ||
         kind == QLatin1String("line");
}

bool PlotPictures::isTabular(const QString& kind)
{
  return kind == QLatin1String("table") || kind == QLatin1String("selected-cases");
}

bool PlotPictures::displayAvailable()
{
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void PlotPictures::writePlot(DataViewInterface& view,
  QWidget& container,
  const QString& path,
  QSize size)
{
  if (!displayAvailable())
    throw vantor::ExceptionBase("Writing a plot as a PNG image needs a display.");
  if (!container.isVisible())
    showOffScreen(container, size);
  // Grabbing makes the drawable set up its OpenGL context and draw the view once.
  if (auto* drawable = qobject_cast<QOpenGLWidget*>(&container))
    drawable->grabFramebuffer();
  view.render();
  PNGExporter(boost::make_shared<FileInfo>(path),
    { static_cast<std::size_t>(size.width()), static_cast<std::size_t>(size.height()) },
    ViewExporterInterface::WindowAntialiasing)
    .exportView(view);
  requireWritten(path);
}

void PlotPictures::grabWidget(QWidget& widget, const QString& path)
{
  widget.grab().save(path, "PNG");
  requireWritten(path);
}

QStringList PlotPictures::writeAll(const QString& folder,
  const boost::shared_ptr<DataViewManagerInterface>& manager,
  const ContainerOf& containerOf,
  QSize size,
  const Reveal& reveal)
{
  if (!displayAvailable())
    hidePlots(*manager, containerOf);
  const QDir dir(folder);
  QStringList written;
  std::map<QString, int> used;
  bool plotsLeftOut = false;
  for (const auto& view : manager->dataViews())
  {
    const QString kind = ViewKinds::nameOf(*view);
    QWidget* container = containerOf(view);
    if (!container || !(isPlot(kind) || isTabular(kind)))
      continue;
    if (isPlot(kind) && !displayAvailable())
    {
      plotsLeftOut = true;
      continue;
    }
    const QString path = dir.filePath(numberedName(kind, used) + ".png");
    if (reveal)
      reveal(view);
    if (isPlot(kind))
    {
      writePlot(*view, *container, path, size);
      if (const auto derived = shownDerivedData(*view))
      {
        const QString csv =
          QFileInfo(path).path() + '/' + QFileInfo(path).completeBaseName() + ".csv";
        if (!SurrogateModelCSVExporter().writeCSVFile(derived, csv.toStdString()))
          throw vantor::ExceptionBase("Cannot write \"" + csv.toStdString() + "\".");
        written << csv;
      }
    }
    else
    {
      // A widget needs no showing to be grabbed, so no display.
      if (!container->isVisible() && !container->window()->isVisible())
        takeOutOfHiddenWindow(*container, size);
      grabWidget(*container, path);
    }
    written << path;
  }
  if (plotsLeftOut)
    throw vantor::ExceptionBase(
      "Plots are written as PNG images only with a display: run the explorer under xvfb-run.");
  return written;
}
