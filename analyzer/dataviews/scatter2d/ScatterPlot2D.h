#pragma once

#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <memory>

class DataPipelineManagerInterface;
class SelectionModelInterface;
class vtkChartXY;
class vtkPlotPoints;
class vtkTable;

/// One variable against another as points in a 2D chart, coloured in one colour, by a variable
/// over a colour bar, or by the filters each case violates (then showing all cases).
class ScatterPlot2D
  : public virtual ScatterPlot2DInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<ScatterPlot2D>
{
public:
  static const char* const m_domName;
  /// Half the side, in pixels, of the square a click picks points in.
  static const int m_pixelSelectionTolerance;

  ScatterPlot2D(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    vtkRenderWindow& window);
  ~ScatterPlot2D() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void adjustSelectionForMouseClickAtPoint() override
  {
    DataViewAbstract::adjustSelectionForMouseClickAtPoint();
  }
  void accept(DataViewVisitorInterface& visitor) override;
  PropertyPtr<MouseMode> mouseMode() override;
  void render() override;
  void suspend() override;
  void resume() override;

  PropertyPtr<VariablePtr> xVar() override;
  PropertyPtr<VariablePtr> yVar() override;
  PropertyPtr<float> scalingFactor() override;
  PropertyPtr<VariablePtr> colorVar() override;
  PropertyPtr<QColor> color() override;
  PropertyPtr<Coloring_e> coloringType() override;
  boost::shared_ptr<ColorLegend> legend() override;
  void fitData() override;
  vtkSmartPointer<vtkRenderWindow> renderWindow() override;
  AxisDetailsList axisDetails() override;
  void setSelectionColor(const QColor& color) override;

  /// The chart and its plot of the cases, for tests and exporters.
  vtkChartXY* chart() const;
  vtkPlotPoints* pointPlot() const;
  /// The table the points are drawn from (after the last render).
  vtkTable* pointTable() const;

protected:
  bool caseIDAtPoint(uint64_t& caseID) override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
