#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <memory>
#include <vector>
#include <vtkSmartPointer.h>

class AlgorithmExecutionListener;
class LineStyleAssignerInterface;
class SpatialVariableProperty2D;
class vtkAlgorithm;
class vtkPlot;
class vtkTable;

/// Turns a table of cases into the plots of a line plot: makes the columns numeric, drops rows
/// without valid values in the plotted, sorting or grouping variables, sorts the rows and
/// splits them into groups, one plot per group, styled by the pen table and the colour
/// assigner.
class PlotBuilderAbstract
{
public:
  enum LineType
  {
    Solid = 0,
    Dashed = 1,
    Dotted = 2
  };

  PlotBuilderAbstract(vtkSmartPointer<vtkAlgorithm> source,
    boost::shared_ptr<LineStyleAssignerInterface> colorAssigner);
  virtual ~PlotBuilderAbstract();
  PlotBuilderAbstract(const PlotBuilderAbstract&) = delete;
  PlotBuilderAbstract& operator=(const PlotBuilderAbstract&) = delete;

  virtual PropertyPtr<VariablePtr> sortBy();
  virtual PropertyPtr<bool> colorByData();
  virtual PropertyPtr<VariablePtr> colorVar();
  virtual PropertyPtr<LineType> lineType();
  virtual PropertyPtr<bool> symbolByData();
  virtual PropertyPtr<VariablePtr> symbolVar();

  /// The x values: the column of this variable, shown on the bottom axis.
  boost::shared_ptr<SpatialVariableProperty2D> xVar();
  /// The y values, shown on the left axis.
  boost::shared_ptr<SpatialVariableProperty2D> yVar();

  /// The last stage; updating it brings the groups up to date.
  vtkAlgorithm* outputAlgorithm();
  /// Tells whether the groups were made again since it was last reset.
  AlgorithmExecutionListener& executionListener();

  /// One new plot per current group, styled; the previous plots are let go. No plot while an
  /// axis shows a variable without positions (text).
  void rebuildPlots();
  std::vector<vtkSmartPointer<vtkPlot>> plots() const;

protected:
  /// A plot for the group table, not yet given its data.
  virtual vtkSmartPointer<vtkPlot> createPlot(vtkTable& group) = 0;

private:
  struct Data;
  std::unique_ptr<Data> m_data;
};
