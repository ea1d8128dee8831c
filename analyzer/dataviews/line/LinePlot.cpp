#include "analyzer/dataviews/line/LinePlot.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/line/DerivedDataPlotBuilder.h"
#include "analyzer/dataviews/line/DerivedDataRelevanceProperty.h"
#include "analyzer/dataviews/line/DerivedDataVisibilityProperty.h"
#include "analyzer/dataviews/line/FilteredCasesSource.h"
#include "analyzer/dataviews/line/LinePlotDerivedData.h"
#include "analyzer/dataviews/line/LinePlotElements.h"
#include "analyzer/dataviews/line/LinePlotInterpolationVariables.h"
#include "analyzer/dataviews/line/LinePlotLegends.h"
#include "analyzer/dataviews/line/LinePlotStyles.h"
#include "analyzer/dataviews/line/LinePlotVariables.h"
#include "analyzer/dataviews/line/RawDataPlotBuilder.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "host/charts/AxisDetailsCharts.h"
#include "host/charts/ChartAxes.h"
#include "host/charts/ChartXY.h"
#include "host/charts/ChartXYLocationTransformer.h"
#include "host/charts/DataView2DSelectionSynchronizer.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/charts/VTKChartsMouseModeProperty.h"
#include "host/charts/vtkChartUtils.h"
#include "host/core/ScopedExitAction.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/project/Project.h"
#include "host/project/TransactionRecord.h"
#include "host/serialization/Serializer.h"
#include "host/surrogate/NoSurrogateModels.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/viewsupport/SelectionModelInterface.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/PropertyInstantiations.h"

#include <QColor>
#include <boost/make_shared.hpp>
#include <vtkAxis.h>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkPen.h>
#include <vtkPlot.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTable.h>

const char* const LinePlot::m_domName = "LinePlotView";
const int LinePlot::pixelSelectionTolerance = 6;

namespace
{

template<class T>
boost::shared_ptr<vantor::PropertyAbstract<T>> undoable(const char* label,
  boost::shared_ptr<vantor::PropertyAbstract<T>> property)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<T>>(label, std::move(property));
}

} // namespace

/// The chart, the cases' plot builder and the settings the view holds itself; the surrogate
/// lines, legends, styles, saved elements and variable defaults have classes of their own.
struct LinePlot::Impl
{
  using DerivedDataVisibilityProperty = ::DerivedDataVisibilityProperty;

  LinePlot& view;
  const std::string title = "Line Plot";
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  boost::shared_ptr<const SurrogateModelManagerInterface> surrogateModels;
  vtkNew<FilteredCasesSource> cases;
  vtkSmartPointer<vtkRenderWindow> window;
  vtkNew<vtkContextView> contextView;
  vtkSmartPointer<ChartXY> chart = vtkSmartPointer<ChartXY>::New();

  boost::shared_ptr<vantor::Property<int>> shape = boost::make_shared<vantor::Property<int>>(0);
  boost::shared_ptr<vantor::Property<float>> size =
    boost::make_shared<vantor::Property<float>>(1.0f);
  PropertyPtr<int> shapeProxy = undoable<int>("Symbol Shape", shape);
  PropertyPtr<float> sizeProxy = undoable<float>("Symbol Size", size);
  boost::shared_ptr<SolidLineColorAssigner> lineColor =
    boost::make_shared<SolidLineColorAssigner>();
  PropertyPtr<QColor> lineColorProxy = undoable<QColor>("Line Color", lineColor);
  std::unique_ptr<RawDataPlotBuilder> rawData;
  PropertyPtr<VariablePtr> xProxy;
  PropertyPtr<VariablePtr> yProxy;
  PropertyPtr<bool> showLinesProxy;
  LinePlotVariables variables;
  LinePlotStyles styles;
  QColor selectionColor = Qt::red;
  AxisDetailsList axes;
  boost::shared_ptr<VTKChartsMouseModeProperty> mouseMode;

  boost::shared_ptr<vantor::Property<SurrogateModelUserDistCollection>> distributions =
    boost::make_shared<vantor::Property<SurrogateModelUserDistCollection>>();
  PropertyPtr<SurrogateModelUserDistCollection> distributionsProxy =
    undoable<SurrogateModelUserDistCollection>("Value Distribution", distributions);
  std::unique_ptr<LinePlotDerivedData> derived;
  std::unique_ptr<LinePlotLegends> legends;
  std::unique_ptr<LinePlotElements> elements;

  std::unique_ptr<DataView2DSelectionSynchronizer> synchronizer;
  std::vector<vtkSmartPointer<vtkPlot>> shownRaw;
  std::vector<vtkSmartPointer<vtkPlot>> shownDerived;
  bool chartDirty = true;
  SignalConnectionCollection connections;
  vtkSmartPointer<vtkVnCommandProxy> renderObserver;
  unsigned long renderObserverTag = 0;

  Impl(LinePlot& owner,
    boost::shared_ptr<const DataPipelineManagerInterface> pipelineManager,
    boost::shared_ptr<const SurrogateModelManagerInterface> surrogates,
    vtkRenderWindow& renderWindow)
    : view(owner)
    , pipeline(std::move(pipelineManager))
    , surrogateModels(
        surrogates ? std::move(surrogates) : boost::make_shared<const NoSurrogateModels>())
    , window(&renderWindow)
    , rawData(std::make_unique<RawDataPlotBuilder>(cases.Get(), lineColor))
    , xProxy(undoable<VariablePtr>("X Variable", rawData->xVar()))
    , yProxy(undoable<VariablePtr>("Y Variable", rawData->yVar()))
    , showLinesProxy(undoable<bool>("Show Lines", rawData->showLines()))
    , variables(xProxy, yProxy, *rawData)
    , styles(*rawData, shape, size)
    , mouseMode(boost::make_shared<VTKChartsMouseModeProperty>(chart))
    , renderObserver(vtkSmartPointer<vtkVnCommandProxy>::Take(
        vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { view.update(); }))))
  {
    cases->setPipeline(pipeline);
    contextView->GetScene()->AddItem(chart);
    axes = { boost::make_shared<AxisDetailsCharts>("X-Axis", chart, ChartAxes::bottom, xProxy),
      boost::make_shared<AxisDetailsCharts>("Y-Axis", chart, ChartAxes::left, yProxy) };
  }

  ~Impl()
  {
    window->RemoveObserver(renderObserverTag);
    window->RemoveRenderer(contextView->GetRenderer());
  }

  void buildDerivedData()
  {
    derived = std::make_unique<LinePlotDerivedData>(view, surrogateModels, pipeline, *rawData);
  }

  void buildLegends()
  {
    legends = std::make_unique<LinePlotLegends>(
      *chart, *rawData, lineColor, derived->lineColorAssigner(), derived->visible());
  }

  void bindToWindow()
  {
    if (!window->GetInteractor())
    {
      vtkNew<vtkRenderWindowInteractor> interactor;
      window->SetInteractor(interactor);
    }
    contextView->SetRenderWindow(window);
    contextView->SetInteractor(window->GetInteractor());
    synchronizer = std::make_unique<DataView2DSelectionSynchronizer>(chart,
      boost::make_shared<PlotSelectionModel>(window->GetInteractor(), view.selectionModel()));
  }

  void connect()
  {
    const auto render = [this] { view.render(); };
    const auto renderOnChange = [this](const auto&) { view.render(); };
    const auto rebuild = [this](const auto&)
    {
      chartDirty = true;
      view.render();
    };
    const auto restyle = [this](const auto&)
    {
      applySymbolStyle();
      view.render();
    };
    connections.add(view.selectionModel()->signalSelectionChanged.connect(render));
    connections.add(synchronizer->signalSelectionChanged.connect(render));
    connections.add(pipeline->signalFilteredDataChanged.connect(render));
    connections.add(xProxy->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVariableChanged(ChartAxes::bottom); }));
    connections.add(yProxy->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVariableChanged(ChartAxes::left); }));
    connections.add(showLinesProxy->signalValueChanged.connect(
      [this](bool)
      {
        updateChart();
        view.render();
      }));
    connections.add(shape->signalValueChanged.connect(restyle));
    connections.add(size->signalValueChanged.connect(restyle));
    // Recolouring and legends need no rebuild; labels and group colours do.
    for (const auto& color : { lineColor, derived->lineColorAssigner() })
      connections.add(color->signalValueChanged.connect(renderOnChange));
    connections.add(legends->showLegend()->signalValueChanged.connect(renderOnChange));
    connections.add(derived->visible()->signalValueChanged.connect(rebuild));
    for (const auto& flag : { rawData->colorByData(), rawData->symbolByData() })
      connections.add(flag->signalValueChanged.connect(rebuild));
    for (const auto& variable : { rawData->colorVar(), rawData->symbolVar(), rawData->sortBy() })
      connections.add(variable->signalValueChanged.connect(rebuild));
    connections.add(
      Project::project().signalVariablesRemoved.connect([this](const TransactionRecord& record)
        { variables.replaceRemoved(record.removedVariables); }));
  }

  void observeRenderStart()
  {
    window->RemoveObserver(renderObserverTag);
    renderObserverTag = window->AddObserver(vtkCommand::StartEvent, renderObserver);
  }

  /// A text variable on an axis places no case: the plots, which now read its column, leave
  /// the chart at once, before anything asks them for points.
  void axisVariableChanged(int axis)
  {
    if (!rawData->xVar()->placesPoints() || !rawData->yVar()->placesPoints())
      removePlots();
    resetAxis(axis);
  }

  void removePlots()
  {
    rawData->xVar()->clearPlots();
    rawData->yVar()->clearPlots();
    chart->ClearPlots();
    shownRaw.clear();
    shownDerived.clear();
    synchronizer->setPlotsToSynchronize(shownRaw);
    chartDirty = true;
  }

  /// Fits one axis to the cases, the surrogate lines hidden meanwhile.
  void resetAxis(int axis)
  {
    const auto restore = hideDerivedPlots();
    vtkChartUtils::resetAxisRange(*chart, axis);
    view.render();
  }

  std::unique_ptr<ScopedExitAction> hideDerivedPlots()
  {
    std::vector<vtkSmartPointer<vtkPlot>> hidden;
    for (const auto& plot : shownDerived)
      if (plot->GetVisible())
      {
        plot->SetVisible(false);
        hidden.push_back(plot);
      }
    return std::make_unique<ScopedExitAction>(
      [hidden]
      {
        for (const auto& plot : hidden)
          plot->SetVisible(true);
      });
  }

  void updatePipeline()
  {
    rawData->outputAlgorithm()->Update();
    derived->update();
  }

  bool chartNeedsUpdate()
  {
    const bool raw = rawData->executionListener().algorithmHasExecuted();
    const bool fromModels = derived->builder().executionListener().algorithmHasExecuted();
    rawData->executionListener().reset();
    derived->builder().executionListener().reset();
    return raw || fromModels || chartDirty;
  }

  void updateChart()
  {
    window->RemoveObserver(renderObserverTag);
    renderObserverTag = 0;
    const ScopedExitAction reattach([this] { observeRenderStart(); });
    double ranges[2][2];
    for (int axis : { ChartAxes::left, ChartAxes::bottom })
      chart->GetAxis(axis)->GetRange(ranges[axis]);

    const auto plots = plotList();
    rawData->xVar()->clearPlots();
    rawData->yVar()->clearPlots();
    chart->ClearPlots();
    if (!plots.empty())
    {
      styles.label(plots);
      addToChart(plots);
    }
    applySymbolStyle();
    chartDirty = false;
    for (int axis : { ChartAxes::left, ChartAxes::bottom })
    {
      chart->GetAxis(axis)->SetMinimum(ranges[axis][0]);
      chart->GetAxis(axis)->SetMaximum(ranges[axis][1]);
    }
  }

  std::vector<vtkSmartPointer<vtkPlot>> plotList()
  {
    rawData->rebuildPlots();
    shownRaw = rawData->plots();
    shownDerived.clear();
    if (derived->visible()->value())
    {
      derived->builder().rebuildPlots();
      shownDerived = derived->builder().plots();
    }
    auto plots = shownRaw;
    plots.insert(plots.end(), shownDerived.begin(), shownDerived.end());
    if (rawData->colorByData()->value())
      styles.colorGroups(plots);
    return plots;
  }

  void addToChart(const std::vector<vtkSmartPointer<vtkPlot>>& plots)
  {
    vtkContextScene* scene = contextView->GetScene();
    scene->RemoveItem(chart);
    const ScopedExitAction putBack([scene, this] { scene->AddItem(chart); });
    for (const auto& plot : plots)
    {
      rawData->xVar()->addPlot(plot);
      rawData->yVar()->addPlot(plot);
      chart->AddPlot(plot);
      plot->GetSelectionPen()->SetColor(static_cast<unsigned char>(selectionColor.red()),
        static_cast<unsigned char>(selectionColor.green()),
        static_cast<unsigned char>(selectionColor.blue()));
    }
  }

  void applySymbolStyle()
  {
    styles.applySymbols(shownRaw, shownDerived);
    updateSelections();
  }

  void updateSelections()
  {
    synchronizer->setPlotsToSynchronize(shownRaw);
    synchronizer->updateChartSelections();
  }

  bool caseIDAtPoint(uint64_t& caseID) const
  {
    vtkRenderWindowInteractor* interactor = window->GetInteractor();
    if (!interactor)
      return false;
    const int* position = interactor->GetEventPosition();
    const double tolerance = pixelSelectionTolerance;
    const ChartXYLocationTransformer transformer(*chart);
    const vtkVector2d lowerLeft = transformer.getWorldCoordinatesFromPixelLocation(
      vtkVector2d(position[0] - tolerance, position[1] - tolerance));
    const vtkVector2d upperRight = transformer.getWorldCoordinatesFromPixelLocation(
      vtkVector2d(position[0] + tolerance, position[1] + tolerance));
    for (const auto& plot : shownRaw)
    {
      vtkTable* table = plot->GetInput();
      if (table && table->GetNumberOfColumns() > 0 &&
          vtkChartUtils::caseIDAtPoint(*plot, *table->GetColumn(0), lowerLeft, upperRight, caseID))
        return true;
    }
    return false;
  }
};

LinePlot::LinePlot(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  vtkRenderWindow& window,
  boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), std::move(selectionModel))
{
  UndoStack::SuspendUndoRecording suspended;
  m_impl = std::make_unique<Impl>(*this, std::move(pipeline), std::move(surrogateModels), window);
  Impl& d = *m_impl;
  d.variables.setDefaults();
  d.shapeProxy->setValue(0);
  d.sizeProxy->setValue(1.0f);
  d.buildDerivedData();
  d.buildLegends();
  d.bindToWindow();
  d.connect();
  d.elements =
    std::make_unique<LinePlotElements>(static_cast<Serializer&>(serializer()), *this, *d.legends);
  d.observeRenderStart();
  // Axis ranges are settings, saved with the view: they start fitted to the cases.
  update();
  fitData();
}

LinePlot::~LinePlot() = default;

std::string LinePlot::title() const
{
  return m_impl->title;
}

void LinePlot::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<LinePlotInterface>(shared_from_this()));
}

PropertyPtr<DataViewInterface::MouseMode> LinePlot::mouseMode()
{
  return m_impl->mouseMode;
}

void LinePlot::render()
{
  m_impl->window->Render();
}

void LinePlot::update()
{
  Impl& d = *m_impl;
  if (!d.variables.resolve())
    return;
  d.updatePipeline();
  if (d.chartNeedsUpdate())
    d.updateChart();
  else
    d.updateSelections();
  d.legends->place(d.window->GetSize());
}

void LinePlot::suspend()
{
  Impl& d = *m_impl;
  d.connections.block();
  d.derived->suspend();
  d.synchronizer->suspend();
  d.window->RemoveObserver(d.renderObserverTag);
  d.renderObserverTag = 0;
}

void LinePlot::resume()
{
  Impl& d = *m_impl;
  d.connections.unblock();
  d.derived->resume();
  d.synchronizer->resume();
  d.observeRenderStart();
  d.variables.replaceRemoved(d.variables.stale());
  d.chartDirty = true;
}

PropertyPtr<VariablePtr> LinePlot::xVar()
{
  return m_impl->xProxy;
}

PropertyPtr<VariablePtr> LinePlot::yVar()
{
  return m_impl->yProxy;
}

PropertyPtr<VariablePtr> LinePlot::sortBy()
{
  return m_impl->rawData->sortBy();
}

PropertyPtr<bool> LinePlot::showLegend()
{
  return m_impl->legends->showLegend();
}

PropertyPtr<bool> LinePlot::colorByData()
{
  return m_impl->rawData->colorByData();
}

PropertyPtr<VariablePtr> LinePlot::colorVar()
{
  return m_impl->rawData->colorVar();
}

PropertyPtr<bool> LinePlot::showDerivedData()
{
  return m_impl->derived->show();
}

PropertyPtr<bool> LinePlot::derivedDataRelevance()
{
  return m_impl->derived->relevance();
}

PropertyPtr<QColor> LinePlot::derivedDataLineColor()
{
  return m_impl->derived->lineColor();
}

PropertyPtr<SurrogateModelUserDistCollection> LinePlot::surrogateModelUserDistCollection()
{
  return m_impl->distributionsProxy;
}

PropertyPtr<bool> LinePlot::showLines()
{
  return m_impl->showLinesProxy;
}

PropertyPtr<int> LinePlot::symbolShape()
{
  return m_impl->shapeProxy;
}

PropertyPtr<float> LinePlot::symbolSize()
{
  return m_impl->sizeProxy;
}

PropertyPtr<bool> LinePlot::symbolByData()
{
  return m_impl->rawData->symbolByData();
}

PropertyPtr<VariablePtr> LinePlot::symbolVar()
{
  return m_impl->rawData->symbolVar();
}

AxisDetailsList LinePlot::axisDetails()
{
  return m_impl->axes;
}

void LinePlot::fitData()
{
  const auto restore = m_impl->hideDerivedPlots();
  vtkChartUtils::fitData(*m_impl->chart);
}

boost::shared_ptr<InterpolationVariablesInterface> LinePlot::getInterpolationVariables()
{
  return m_impl->derived->interpolation();
}

vtkSmartPointer<vtkTableAlgorithm> LinePlot::derivedData()
{
  return m_impl->derived->query();
}

vtkSmartPointer<vtkRenderWindow> LinePlot::renderWindow()
{
  return m_impl->window;
}

void LinePlot::setSelectionColor(const QColor& color)
{
  m_impl->selectionColor = color;
}

PropertyPtr<QColor> LinePlot::lineColor()
{
  return m_impl->lineColorProxy;
}

ChartXY& LinePlot::chart() const
{
  return *m_impl->chart;
}

PlotBuilderAbstract& LinePlot::rawDataBuilder() const
{
  return *m_impl->rawData;
}

PlotBuilderAbstract& LinePlot::derivedDataBuilder() const
{
  return m_impl->derived->builder();
}

std::vector<vtkSmartPointer<vtkPlot>> LinePlot::rawDataPlots() const
{
  return m_impl->shownRaw;
}

std::vector<vtkSmartPointer<vtkPlot>> LinePlot::derivedDataPlots() const
{
  return m_impl->shownDerived;
}

bool LinePlot::caseIDAtPoint(uint64_t& caseID)
{
  return m_impl->caseIDAtPoint(caseID);
}
