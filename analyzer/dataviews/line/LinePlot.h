#pragma once

#include "analyzer/dataviews/LinePlotInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <memory>
#include <vector>

class ChartXY;
class DataPipelineManagerInterface;
class PlotBuilderAbstract;
class SelectionModelInterface;
class SurrogateModelManagerInterface;
class vtkPlot;

/// One variable against another as lines in a 2D chart: the cases sorted along the line by a
/// variable, split into lines by the values of up to two grouping variables (one giving the
/// colour, the other the marker), with the surrogate models' predictions as dashed lines where
/// they make sense. The chart is rebuilt when a render starts, and only when something it
/// shows has changed.
class LinePlot
  : public virtual LinePlotInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<LinePlot>
{
public:
  static const char* const m_domName;
  /// Half the side, in pixels, of the square a click picks points in.
  static const int pixelSelectionTolerance;

  LinePlot(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    vtkRenderWindow& window,
    boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels);
  ~LinePlot() override;

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
  /// Blocks every reaction of the view; resume catches up with what changed meanwhile.
  void suspend() override;
  void resume() override;

  PropertyPtr<VariablePtr> xVar() override;
  PropertyPtr<VariablePtr> yVar() override;
  PropertyPtr<VariablePtr> sortBy() override;
  PropertyPtr<bool> showLegend() override;
  PropertyPtr<bool> colorByData() override;
  PropertyPtr<VariablePtr> colorVar() override;
  PropertyPtr<bool> showDerivedData() override;
  PropertyPtr<bool> derivedDataRelevance() override;
  PropertyPtr<QColor> derivedDataLineColor() override;
  PropertyPtr<SurrogateModelUserDistCollection> surrogateModelUserDistCollection() override;
  PropertyPtr<bool> showLines() override;
  PropertyPtr<int> symbolShape() override;
  PropertyPtr<float> symbolSize() override;
  PropertyPtr<bool> symbolByData() override;
  PropertyPtr<VariablePtr> symbolVar() override;
  AxisDetailsList axisDetails() override;
  /// Fits both axes to the cases; surrogate lines do not count.
  void fitData() override;
  boost::shared_ptr<InterpolationVariablesInterface> getInterpolationVariables() override;
  vtkSmartPointer<vtkTableAlgorithm> derivedData() override;
  vtkSmartPointer<vtkRenderWindow> renderWindow() override;
  void setSelectionColor(const QColor& color) override;

  /// The colour of every line while the lines are not coloured by data.
  virtual PropertyPtr<QColor> lineColor();

  /// The chart, its plot builders and the plots of the last rebuild, for tests and exporters.
  ChartXY& chart() const;
  PlotBuilderAbstract& rawDataBuilder() const;
  PlotBuilderAbstract& derivedDataBuilder() const;
  std::vector<vtkSmartPointer<vtkPlot>> rawDataPlots() const;
  std::vector<vtkSmartPointer<vtkPlot>> derivedDataPlots() const;

private:
  bool caseIDAtPoint(uint64_t& caseID) override;
  /// Brings the pipeline and, where needed, the chart up to date; runs as each render starts.
  void update();

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
