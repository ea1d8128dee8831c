#pragma once

#include "host/core/SignalConnectionCollection.h"
#include "host/project/WeakPtr.h"
#include "host/viewsupport/AxisDetailsInterface.h"

#include <cstdint>
#include <string>
#include <vtkSmartPointer.h>

class Variable;
class vtkChartXY;
class vtkVnCommandProxy;

/// The user's settings of one chart axis: its range and, optionally, a grid spacing of its own.
/// Each is undoable ("<name> Min", "<name> Max", "<name> Use Custom Grid Spacing", "<name> Grid
/// Spacing"). A range the user sets stays until the axis is fitted to the data again; ranges
/// that change by panning or zooming are announced by the range properties. The axis title
/// follows the axis variable's name.
class AxisDetailsCharts : public AxisDetailsInterface
{
public:
  AxisDetailsCharts(const std::string& name,
    vtkSmartPointer<vtkChartXY> chart,
    int axis,
    boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable, uint64_t>>> variable);
  ~AxisDetailsCharts() override;

  boost::shared_ptr<vantor::PropertyAbstract<double>> min() override { return m_min; }
  boost::shared_ptr<vantor::PropertyAbstract<double>> max() override { return m_max; }
  boost::shared_ptr<vantor::PropertyAbstract<bool>> useCustomGridSpacing() override
  {
    return m_useCustomGridSpacing;
  }
  boost::shared_ptr<vantor::PropertyAbstract<double>> gridSpacing() override
  {
    return m_gridSpacing;
  }
  /// Chart axes have no bounds apart from their range.
  boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMin() override { return {}; }
  boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMax() override { return {}; }

private:
  void applyGridSpacing();
  void applyTitle();
  void announceRange();

  vtkSmartPointer<vtkChartXY> m_chart;
  int m_axis;
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable, uint64_t>>> m_variable;
  boost::shared_ptr<vantor::PropertyAbstract<double>> m_minimum;
  boost::shared_ptr<vantor::PropertyAbstract<double>> m_maximum;
  boost::shared_ptr<vantor::PropertyAbstract<double>> m_min;
  boost::shared_ptr<vantor::PropertyAbstract<double>> m_max;
  boost::shared_ptr<vantor::PropertyAbstract<bool>> m_useCustomGridSpacing;
  boost::shared_ptr<vantor::PropertyAbstract<double>> m_gridSpacing;
  vtkSmartPointer<vtkVnCommandProxy> m_rangeObserver;
  unsigned long m_rangeObserverTag = 0;
  double m_announcedRange[2];
  bool m_storingRange = false;
  SignalConnectionCollection m_connections;
};
