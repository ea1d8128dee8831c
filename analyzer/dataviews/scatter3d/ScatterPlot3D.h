#pragma once

#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/array.hpp>
#include <boost/enable_shared_from_this.hpp>
#include <memory>

class DataPipelineManagerInterface;
class SelectionModelInterface;
class SurrogateModelManagerInterface;
class vtkRenderer;
class vtkTransformPolyDataFilter;

/// Every case as a glyph at the position of three variables, inside a box of labelled axes,
/// coloured and sized by further variables, with the shared selection shown as shells and
/// picked by rubber band or click.
class ScatterPlot3D
  : public virtual ScatterPlot3DInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<ScatterPlot3D>
{
public:
  static const int m_pixelSelectionTolerance;
  static const ScatterPlot3DInterface::Shape m_defaultShape;
  static const double m_defaultScalingFactor;
  static const boost::array<double, 3> m_renderBackgroundColor;
  static const char* const m_cubeShapeName;
  static const char* const m_sphereShapeName;
  static const char* const m_domName;

  ScatterPlot3D(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    const vtkSmartPointer<vtkRenderWindow>& renderWindow,
    boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels);
  ~ScatterPlot3D() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void adjustSelectionForMouseClickAtPoint() override;
  void accept(DataViewVisitorInterface& visitor) override;
  PropertyPtr<MouseMode> mouseMode() override;
  void render() override;
  /// Blocks every reaction of the view; resume catches up with what changed meanwhile.
  void suspend() override;
  void resume() override;

  PropertyPtr<VariablePtr> xVar() override;
  PropertyPtr<VariablePtr> yVar() override;
  PropertyPtr<VariablePtr> zVar() override;
  PropertyPtr<VariablePtr> sizeVar() override;
  PropertyPtr<bool> sizeByData() override;
  PropertyPtr<double> scalingFactor() override;
  PropertyPtr<VariablePtr> colorVar() override;
  PropertyPtr<QColor> color() override;
  PropertyPtr<bool> colorByData() override;
  PropertyPtr<Shape> shape() override;
  AxisDetailsList axisDetails() override;
  PropertyPtr<bool> derivedDataShow() override;
  PropertyPtr<bool> derivedDataRelevance() override;
  PropertyPtr<QColor> derivedDataColor() override;
  PropertyPtr<uint64_t> derivedDataTranslucency() override;
  PropertyPtr<SurrogateModelUserDistCollection> surrogateModelUserDistCollection() override;
  boost::shared_ptr<ColorLegend> legend() override;
  /// Ranges to the data, box and glyphs to match, camera to show everything.
  void fitData() override;
  boost::shared_ptr<InterpolationVariablesInterface> getInterpolationVariables() override;
  vtkSmartPointer<vtkTableAlgorithm> derivedData() override;
  vtkSmartPointer<vtkRenderWindow> renderWindow() override;

  vtkRenderer& renderer() const;
  /// The plotted points as drawn (positions in the axes box, every table column as point data).
  vtkTransformPolyDataFilter& positions() const;

private:
  template<int Axis>
  class AxisVariableProperty;
  using xVarProperty = AxisVariableProperty<0>;
  using yVarProperty = AxisVariableProperty<1>;
  using zVarProperty = AxisVariableProperty<2>;

  bool caseIDAtPoint(uint64_t& caseID) override;

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
