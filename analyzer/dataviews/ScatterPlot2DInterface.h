#pragma once

#include "analyzer/dataviews/Coloring.h"
#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

class QColor;

class ScatterPlot2DInterface : public virtual DataViewInterface
{
public:
  virtual PropertyPtr<VariablePtr> xVar() = 0;
  virtual PropertyPtr<VariablePtr> yVar() = 0;
  virtual PropertyPtr<float> scalingFactor() = 0;
  virtual PropertyPtr<VariablePtr> colorVar() = 0;
  virtual PropertyPtr<QColor> color() = 0;
  virtual PropertyPtr<Coloring_e> coloringType() = 0;
  virtual boost::shared_ptr<ColorLegend> legend() = 0;
  virtual void fitData() = 0;
  virtual vtkSmartPointer<vtkRenderWindow> renderWindow() = 0;
  virtual AxisDetailsList axisDetails() = 0;
  virtual void setSelectionColor(const QColor& color) = 0;
};
