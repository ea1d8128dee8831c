#pragma once

#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/surrogate/SurrogateModelUserDistCollection.h"
#include "host/viewsupport/AxisDetailsInterface.h"
#include "property/Property.h"

#include <QColor>
#include <boost/make_shared.hpp>
#include <vtkRenderWindow.h>
#include <vtkTableAlgorithm.h>

/// An axis of the fake view: a range and nothing else.
class FakeAxisDetails : public AxisDetailsInterface
{
public:
  using DoublePtr = boost::shared_ptr<vantor::PropertyAbstract<double>>;
  DoublePtr min() override { return m_min; }
  DoublePtr max() override { return m_max; }
  boost::shared_ptr<vantor::PropertyAbstract<bool>> useCustomGridSpacing() override { return {}; }
  DoublePtr gridSpacing() override { return {}; }
  DoublePtr boundsMin() override { return {}; }
  DoublePtr boundsMax() override { return {}; }

  DoublePtr m_min = boost::make_shared<vantor::Property<double>>(0.0);
  DoublePtr m_max = boost::make_shared<vantor::Property<double>>(1.0);
};

/// The settings of a 3D view the derived data read, as plain properties; render() counts.
class FakeScatterPlot3D : public ScatterPlot3DInterface
{
public:
  template<class T>
  static PropertyPtr<T> property(const T& value = T())
  {
    return boost::make_shared<vantor::Property<T>>(value);
  }

  void suspend() override {}
  void resume() override {}
  std::string title() const override { return "Fake 3D"; }
  SerializerInterface& serializer() override { throw std::logic_error("no serializer"); }
  void adjustSelectionForMouseClickAtPoint() override {}
  void accept(DataViewVisitorInterface&) override {}
  std::string domName() const override { return "Fake"; }
  PropertyPtr<MouseMode> mouseMode() override { return m_mouseMode; }
  void render() override { ++renders; }

  PropertyPtr<VariablePtr> xVar() override { return m_x; }
  PropertyPtr<VariablePtr> yVar() override { return m_y; }
  PropertyPtr<VariablePtr> zVar() override { return m_z; }
  PropertyPtr<VariablePtr> sizeVar() override { return m_sizeVar; }
  PropertyPtr<bool> sizeByData() override { return m_sizeByData; }
  PropertyPtr<double> scalingFactor() override { return m_scaling; }
  PropertyPtr<VariablePtr> colorVar() override { return m_colorVar; }
  PropertyPtr<QColor> color() override { return m_color; }
  PropertyPtr<bool> colorByData() override { return m_colorByData; }
  PropertyPtr<Shape> shape() override { return m_shape; }
  AxisDetailsList axisDetails() override { return { m_axes[0], m_axes[1], m_axes[2] }; }
  PropertyPtr<bool> derivedDataShow() override { return {}; }
  PropertyPtr<bool> derivedDataRelevance() override { return {}; }
  PropertyPtr<QColor> derivedDataColor() override { return {}; }
  PropertyPtr<uint64_t> derivedDataTranslucency() override { return {}; }
  PropertyPtr<SurrogateModelUserDistCollection> surrogateModelUserDistCollection() override
  {
    return m_collection;
  }
  boost::shared_ptr<ColorLegend> legend() override { return {}; }
  void fitData() override {}
  boost::shared_ptr<InterpolationVariablesInterface> getInterpolationVariables() override
  {
    return {};
  }
  vtkSmartPointer<vtkTableAlgorithm> derivedData() override { return {}; }
  vtkSmartPointer<vtkRenderWindow> renderWindow() override { return {}; }

  PropertyPtr<VariablePtr> m_x = property<VariablePtr>();
  PropertyPtr<VariablePtr> m_y = property<VariablePtr>();
  PropertyPtr<VariablePtr> m_z = property<VariablePtr>();
  PropertyPtr<VariablePtr> m_sizeVar = property<VariablePtr>();
  PropertyPtr<bool> m_sizeByData = property(false);
  PropertyPtr<double> m_scaling = property(1.0);
  PropertyPtr<VariablePtr> m_colorVar = property<VariablePtr>();
  PropertyPtr<QColor> m_color = property(QColor(Qt::blue));
  PropertyPtr<bool> m_colorByData = property(false);
  PropertyPtr<Shape> m_shape = property(Sphere);
  PropertyPtr<MouseMode> m_mouseMode = property(Select);
  PropertyPtr<SurrogateModelUserDistCollection> m_collection =
    property<SurrogateModelUserDistCollection>();
  boost::shared_ptr<FakeAxisDetails> m_axes[3] = { boost::make_shared<FakeAxisDetails>(),
    boost::make_shared<FakeAxisDetails>(),
    boost::make_shared<FakeAxisDetails>() };
  int renders = 0;
};
