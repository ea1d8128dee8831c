#pragma once

#include "host/core/SuspendableInterface.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <vector>
#include <vtkSmartPointer.h>

class PlotSelectionModel;
class vtkChartXY;
class vtkPlot;
class vtkVnCommandProxy;

/// Keeps the points of a chart's plots selected as the shared selection says, and turns the
/// chart's own selections (a rubber band, a click on a point) into selections of cases through
/// the plot selection model: replace, with Shift add, with Ctrl toggle. Column 0 of each
/// plot's input table holds the case ids.
class DataView2DSelectionSynchronizer : public SuspendableInterface
{
public:
  DataView2DSelectionSynchronizer(vtkSmartPointer<vtkChartXY> chart,
    boost::shared_ptr<PlotSelectionModel> plotSelectionModel);
  ~DataView2DSelectionSynchronizer() override;

  /// The plots whose points can be selected; other plots of the chart never are.
  void setPlotsToSynchronize(const std::vector<vtkSmartPointer<vtkPlot>>& plots);
  /// Marks the points of the selected cases in the synchronized plots.
  void updateChartSelections();

  void suspend() override;
  void resume() override;

  /// The user selected in this chart.
  boost::signals2::signal<void()> signalSelectionChanged;

private:
  void chartSelectionMade();

  vtkSmartPointer<vtkChartXY> m_chart;
  boost::shared_ptr<PlotSelectionModel> m_plotSelectionModel;
  std::vector<vtkSmartPointer<vtkPlot>> m_plots;
  vtkSmartPointer<vtkVnCommandProxy> m_observer;
  unsigned long m_observerTag = 0;
  bool m_suspended = true;
};
