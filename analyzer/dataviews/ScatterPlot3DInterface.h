#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ViewTypes.h"

#include <boost/signals2/signal.hpp>
#include <cstdint>
#include <string>

class QColor;

class ScatterPlot3DInterface : public virtual DataViewInterface
{
public:
  enum Shape
  {
    Sphere = 0,
    Cube = 1
  };

  virtual PropertyPtr<VariablePtr> xVar() = 0;
  virtual PropertyPtr<VariablePtr> yVar() = 0;
  virtual PropertyPtr<VariablePtr> zVar() = 0;
  virtual PropertyPtr<VariablePtr> sizeVar() = 0;
  virtual PropertyPtr<bool> sizeByData() = 0;
  virtual PropertyPtr<double> scalingFactor() = 0;
  virtual PropertyPtr<VariablePtr> colorVar() = 0;
  virtual PropertyPtr<QColor> color() = 0;
  virtual PropertyPtr<bool> colorByData() = 0;
  virtual PropertyPtr<Shape> shape() = 0;
  virtual AxisDetailsList axisDetails() = 0;
  virtual PropertyPtr<bool> derivedDataShow() = 0;
  virtual PropertyPtr<bool> derivedDataRelevance() = 0;
  virtual PropertyPtr<QColor> derivedDataColor() = 0;
  virtual PropertyPtr<uint64_t> derivedDataTranslucency() = 0;
  virtual PropertyPtr<SurrogateModelUserDistCollection> surrogateModelUserDistCollection() = 0;
  virtual boost::shared_ptr<ColorLegend> legend() = 0;
  virtual void fitData() = 0;
  virtual boost::shared_ptr<InterpolationVariablesInterface> getInterpolationVariables() = 0;
  virtual vtkSmartPointer<vtkTableAlgorithm> derivedData() = 0;
  virtual vtkSmartPointer<vtkRenderWindow> renderWindow() = 0;

  boost::signals2::signal<void(const std::string&)> signalSurrogateModelError;

private:
  virtual void signalSurrogateModelErrorConnected() const {}
};
