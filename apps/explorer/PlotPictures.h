#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <functional>

class DataViewInterface;
class DataViewManagerInterface;
class QWidget;

/// Pictures of the plotting and tabular views: plotting views through their render windows
/// (PNGExporter), tabular views by grabbing their widgets. Plot pictures need an OpenGL context,
/// so a display. Image views write their own pictures.
class PlotPictures
{
public:
  using ContainerOf = std::function<QWidget*(const boost::shared_ptr<DataViewInterface>&)>;
  /// Brings a view on screen when its window is, before its picture is taken.
  using Reveal = std::function<void(const boost::shared_ptr<DataViewInterface>&)>;

  static const QSize defaultSize;

  static bool isPlot(const QString& kind);
  /// The table and the selected cases: pictured by grabbing their widgets.
  static bool isTabular(const QString& kind);
  /// Whether OpenGL windows can be made (not so on the offscreen and minimal platforms).
  static bool displayAvailable();

  /// The plotting view at the given size. Throws vantor::ExceptionBase when it cannot.
  static void writePlot(DataViewInterface& view,
    QWidget& container,
    const QString& path,
    QSize size);
  static void grabWidget(QWidget& widget, const QString& path);

  /// One PNG per view, named after its kind ("scatter3d.png", "scatter3d-2.png", "table.png",
  /// "selected-cases.png"). Plots need a display: without one the other pictures are written
  /// and then an exception says so. Views that reveal leaves hidden are drawn off screen, which
  /// takes a plot out of its window: only for a window that is not shown.
  static QStringList writeAll(const QString& folder,
    const boost::shared_ptr<DataViewManagerInterface>& manager,
    const ContainerOf& containerOf,
    QSize size,
    const Reveal& reveal = {});

private:
  static void hidePlots(DataViewManagerInterface& manager, const ContainerOf& containerOf);
};
