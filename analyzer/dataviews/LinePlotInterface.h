#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

#include <boost/signals2/signal.hpp>
#include <string>

class QColor;

class LinePlotInterface : public virtual DataViewInterface
{
public:
  virtual PropertyPtr<VariablePtr> xVar() = 0;
  virtual PropertyPtr<VariablePtr> yVar() = 0;
  virtual PropertyPtr<VariablePtr> sortBy() = 0;
  virtual PropertyPtr<bool> showLegend() = 0;
  virtual PropertyPtr<bool> colorByData() = 0;
  virtual PropertyPtr<VariablePtr> colorVar() = 0;
  virtual PropertyPtr<bool> showDerivedData() = 0;
  virtual PropertyPtr<bool> derivedDataRelevance() = 0;
  virtual PropertyPtr<QColor> derivedDataLineColor() = 0;
  virtual PropertyPtr<SurrogateModelUserDistCollection> surrogateModelUserDistCollection() = 0;
  virtual PropertyPtr<bool> showLines() = 0;
  virtual PropertyPtr<int> symbolShape() = 0;
  virtual PropertyPtr<float> symbolSize() = 0;
  virtual PropertyPtr<bool> symbolByData() = 0;
  virtual PropertyPtr<VariablePtr> symbolVar() = 0;
  virtual AxisDetailsList axisDetails() = 0;
  virtual void fitData() = 0;
  virtual boost::shared_ptr<InterpolationVariablesInterface> getInterpolationVariables() = 0;
  virtual vtkSmartPointer<vtkTableAlgorithm> derivedData() = 0;
  virtual vtkSmartPointer<vtkRenderWindow> renderWindow() = 0;
  virtual void setSelectionColor(const QColor& color) = 0;

  boost::signals2::signal<void(const std::string&)> signalSurrogateModelError;

private:
  virtual void signalSurrogateModelErrorConnected() const {}
};
