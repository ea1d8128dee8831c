#pragma once

#include <boost/shared_ptr.hpp>

class TableViewInterface;
class SelectedImageViewInterface;
class SelectedCasesViewInterface;
class ScatterPlot3DInterface;
class ScatterPlot2DInterface;
class LinePlotInterface;
class ImageMatrixViewInterface;
class ImageDiffViewInterface;

/// Dispatches on the kind of a view: a view's accept calls the overload for its own interface.
class DataViewVisitorInterface
{
public:
  virtual void visit(boost::shared_ptr<TableViewInterface> view) = 0;
  virtual void visit(boost::shared_ptr<SelectedImageViewInterface> view) = 0;
  virtual void visit(boost::shared_ptr<SelectedCasesViewInterface> view) = 0;
  virtual void visit(boost::shared_ptr<ScatterPlot3DInterface> view) = 0;
  virtual void visit(boost::shared_ptr<ScatterPlot2DInterface> view) = 0;
  virtual void visit(boost::shared_ptr<LinePlotInterface> view) = 0;
  virtual void visit(boost::shared_ptr<ImageMatrixViewInterface> view) = 0;
  virtual void visit(boost::shared_ptr<ImageDiffViewInterface> view) = 0;
  virtual ~DataViewVisitorInterface() = default;
};
