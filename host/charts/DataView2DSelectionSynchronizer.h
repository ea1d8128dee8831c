#pragma once

#include "host/core/SuspendableInterface.h"

#include "host/plotsupport/PlotSelectionModel.h"

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <vector>
#include <vtkSmartPointer.h>

class vtkChartXY;
class vtkPlot;
class vtkVnCommandProxy;

/// Keeps the points of a chart's plots selected as the shared selection says, and turns the
/// chart's own selections (a rubber band, a click on a point) into selections of cases through
/// the plot selection model: replace, with Shift add, with Ctrl toggle. Column 0 of each
/// plot's input table holds the case ids. The chart never sees the keys: it would combine a
/// band with the points selected before in its own way.
class DataView2DSelectionSynchronizer : public SuspendableInterface
{
public:
  DataView2DSelectionSynchronizer(vtkSmartPointer<vtkChartXY> chart,
    boost::shared_ptr<PlotSelectionModel> plotSelectionModel);
  ~DataView2DSelectionSynchronizer() override;

  /// The plots whose points can be selected; other plots of the chart never are.
  void setPlotsToSynchronize(const std::vector<vtkSmartPointer<vtkPlot>>& plots);
  /// A left click without drag, while the chart selects with the left button, picks the case
  /// this function finds at the interactor's event position (false: none is there).
  void setPointPicker(boost::function<bool(uint64_t&)> picker);
  /// Marks the points of the selected cases in the synchronized plots.
  void updateChartSelections();

  void suspend() override;
  void resume() override;

  /// The user selected in this chart.
  boost::signals2::signal<void()> signalSelectionChanged;

private:
  void chartSelectionMade();
  void beforeChart(unsigned long event);
  void afterChart(unsigned long event);
  void clicked();
  bool selectsWithLeftButton() const;

  vtkSmartPointer<vtkChartXY> m_chart;
  boost::shared_ptr<PlotSelectionModel> m_plotSelectionModel;
  std::vector<vtkSmartPointer<vtkPlot>> m_plots;
  vtkSmartPointer<vtkVnCommandProxy> m_observer;
  unsigned long m_observerTag = 0;
  vtkSmartPointer<vtkVnCommandProxy> m_beforeChart, m_afterChart;
  std::vector<unsigned long> m_mouseTags;
  boost::function<bool(uint64_t&)> m_picker;
  // The keys and place of the left button press of the gesture under way.
  bool m_pressed = false;
  bool m_moved = false;
  int m_pressPosition[2] = { 0, 0 };
  int m_keys[2] = { 0, 0 };
  PlotSelectionModel::Combination m_combination = PlotSelectionModel::Replace;
  bool m_suspended = true;
};
