#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "property/PropertyAbstract.h"

#include <vtkSmartPointer.h>

class vtkChart;

/// The view's mouse mode as the action of the chart's left button: Select draws a selection
/// rectangle, Pan moves the axes, Zoom zooms them. Charts cannot rotate.
class VTKChartsMouseModeProperty : public vantor::PropertyAbstract<DataViewInterface::MouseMode>
{
public:
  explicit VTKChartsMouseModeProperty(vtkSmartPointer<vtkChart> chart);

protected:
  void storeValue(const DataViewInterface::MouseMode& mode) override;

private:
  DataViewInterface::MouseMode retrieveValue() const override { return m_mode; }

  vtkSmartPointer<vtkChart> m_chart;
  DataViewInterface::MouseMode m_mode = DataViewInterface::Select;
};
