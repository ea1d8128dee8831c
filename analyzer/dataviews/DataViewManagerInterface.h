#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <cstdint>
#include <set>
#include <vector>

class DataViewInterface;
class ImageDiffViewInterface;
class ImageFileLoaderInterface;
class ImageMatrixViewInterface;
class LinePlotInterface;
class QColor;
class QWidget;
class ScatterPlot2DInterface;
class ScatterPlot3DInterface;
class SelectedCasesViewInterface;
class SelectedImageViewInterface;
class TableViewInterface;
class TagGroupCollection;

/// The one object through which the host obtains, lists and removes views.
class DataViewManagerInterface
{
public:
  /// A new or restored view with its container widget, for the host to embed.
  boost::signals2::signal<void(QWidget*, boost::shared_ptr<DataViewInterface>)> signalViewCreated;
  boost::signals2::signal<void(boost::shared_ptr<DataViewInterface>)> signalViewRemoved;

  virtual boost::shared_ptr<ScatterPlot3DInterface> add3DScatterView() = 0;
  virtual boost::shared_ptr<TableViewInterface> addTableView() = 0;
  virtual boost::shared_ptr<SelectedCasesViewInterface> addSelectedCasesView(QWidget& parent) = 0;
  virtual boost::shared_ptr<ImageMatrixViewInterface> addImageView() = 0;
  virtual boost::shared_ptr<SelectedImageViewInterface> addSelectedImageView(
    const std::set<uint64_t>& caseIds) = 0;
  virtual boost::shared_ptr<ImageDiffViewInterface> addImageDiffView(AuxFilePtr baseImage,
    const std::vector<AuxFilePtr>& images,
    bool flag,
    boost::shared_ptr<vantor::PropertyAbstract<std::vector<VariablePtr>>> variables) = 0;
  virtual boost::shared_ptr<ScatterPlot2DInterface> add2DScatterView() = 0;
  virtual boost::shared_ptr<LinePlotInterface> addLinePlot() = 0;
  virtual std::vector<boost::shared_ptr<DataViewInterface>> dataViews() const = 0;
  virtual void removeView(boost::shared_ptr<DataViewInterface> view) = 0;
  virtual boost::shared_ptr<ImageFileLoaderInterface> imageLoader() const = 0;
  virtual boost::shared_ptr<TagGroupCollection> tagGroupCollection() const = 0;
  /// Colour of selected points in 2D charts created from now on.
  virtual void setSelectionColor(const QColor& color) = 0;
  virtual ~DataViewManagerInterface() = default;

private:
  virtual void signalViewCreatedConnected() const {}
  virtual void signalViewRemovedConnected() const {}
};
