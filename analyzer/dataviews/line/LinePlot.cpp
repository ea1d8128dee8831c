#include "analyzer/dataviews/line/LinePlot.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/line/AutoSequencedValueLineStyleAssigner.h"
#include "analyzer/dataviews/line/ColorByLegend.h"
#include "analyzer/dataviews/line/DerivedDataPlotBuilder.h"
#include "analyzer/dataviews/line/DerivedDataPropertySynchronizer.h"
#include "analyzer/dataviews/line/DerivedDataRelevanceProperty.h"
#include "analyzer/dataviews/line/FilteredCasesSource.h"
#include "analyzer/dataviews/line/LinePlotInterpolationVariables.h"
#include "analyzer/dataviews/line/RawDataPlotBuilder.h"
#include "analyzer/dataviews/line/ShowChartLegendProperty.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "analyzer/dataviews/line/SurrogateModelLinePatternLegend.h"
#include "analyzer/dataviews/line/SymbolByLegend.h"
#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"
#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
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
#include "host/project/AxisVariableProvider.h"
#include "host/project/Project.h"
#include "host/project/TransactionRecord.h"
#include "host/serialization/QColorSerializer.h"
#include "host/serialization/Serializer.h"
#include "host/serialization/VariableInfoSerializer.h"
#include "host/surrogate/NoSurrogateModels.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/surrogate/SurrogateModelUserDistCollectionSerializer.h"
#include "host/viewsupport/SelectionModelInterface.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/PropertyInstantiations.h"

#include <QColor>
#include <array>
#include <boost/make_shared.hpp>
#include <vtkAxis.h>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkPen.h>
#include <vtkPlotPoints.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTable.h>

const char* const LinePlot::m_domName = "LinePlotView";
const int LinePlot::pixelSelectionTolerance = 6;

namespace
{

/// Marker size at a symbol size of 1.
const float baseMarkerSize = 11.5f;
/// Marker style that keeps a lone case visible when no symbols are asked for.
const int circleMarker = vtkPlotPoints::CIRCLE;
const std::vector<unsigned long> groupColors = { 0xFF0000,
  0xFFA800,
  0x66CC33,
  0x05E0DB,
  0x0000FF,
  0x94147C };
const std::vector<int> groupMarkers = { vtkPlotPoints::PLUS,
  vtkPlotPoints::SQUARE,
  vtkPlotPoints::CROSS,
  vtkPlotPoints::CIRCLE,
  vtkPlotPoints::DIAMOND };
/// Distance of the first legend's corner from the upper right corner of the window.
const float legendMargin = 30.0f;

template<class T>
boost::shared_ptr<vantor::PropertyAbstract<T>> undoable(const char* label,
  boost::shared_ptr<vantor::PropertyAbstract<T>> property)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<T>>(label, std::move(property));
}

std::string variableName(const PropertyPtr<VariablePtr>& property)
{
  const auto variable = property->value().lock();
  return variable ? variable->name() : std::string();
}

/// The defaults a new view takes from the project's variables, and what replaces a removed one.
struct DefaultVariables
{
  VariablePtr x, y, color, symbol;

  DefaultVariables()
  {
    AxisVariableProvider provider(Project::project().variables());
    x = provider.next(Variable::Independent);
    y = provider.next(Variable::Dependent);
    color = provider.next(Variable::Independent);
    symbol = provider.next(Variable::Independent);
  }
};

/// "Name=value" of the plot's group for one grouping variable.
std::string groupLabel(vtkPlot& plot, const std::string& name)
{
  vtkTable* table = plot.GetInput();
  vtkAbstractArray* column = table ? table->GetColumnByName(name.c_str()) : nullptr;
  if (!column || column->GetNumberOfTuples() == 0)
    return name + "=";
  return name + "=" + column->GetVariantValue(0).ToString();
}

} // namespace

struct LinePlot::Impl
{
  /// Surrogate lines are drawn while the user asks for them and they make sense.
  class DerivedDataVisibilityProperty : public vantor::PropertyAbstract<bool>
  {
  public:
    DerivedDataVisibilityProperty(PropertyPtr<bool> show, PropertyPtr<bool> relevance)
      : m_show(std::move(show))
      , m_relevance(std::move(relevance))
    {
      m_value = compute();
      for (const auto& input : { m_show, m_relevance })
        m_connections.add(input->signalValueChanged.connect([this](bool) { update(); }));
    }

  private:
    void storeValue(const bool&) override {}
    bool retrieveValue() const override { return m_value; }
    bool compute() const { return m_show->value() && m_relevance->value(); }
    void update()
    {
      const bool value = compute();
      if (value == m_value)
        return;
      m_value = value;
      signalValueChanged(m_value);
    }

    PropertyPtr<bool> m_show;
    PropertyPtr<bool> m_relevance;
    bool m_value = false;
    SignalConnectionCollection m_connections;
  };

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
  QColor selectionColor = Qt::red;
  AxisDetailsList axes;
  boost::shared_ptr<VTKChartsMouseModeProperty> mouseMode;

  boost::shared_ptr<vantor::Property<SurrogateModelUserDistCollection>> distributions =
    boost::make_shared<vantor::Property<SurrogateModelUserDistCollection>>();
  PropertyPtr<SurrogateModelUserDistCollection> distributionsProxy =
    undoable<SurrogateModelUserDistCollection>("Value Distribution", distributions);
  boost::shared_ptr<DerivedDataRelevanceProperty> relevance;
  boost::shared_ptr<LinePlotInterpolationVariables> interpolation;
  vtkSmartPointer<SurrogateModelQueryToTable> query;
  vtkSmartPointer<vtkVnCommandProxy> queryObserver;
  unsigned long queryObserverTag = 0;
  boost::shared_ptr<SolidLineColorAssigner> derivedLineColor =
    boost::make_shared<SolidLineColorAssigner>();
  PropertyPtr<QColor> derivedLineColorProxy =
    undoable<QColor>("Surrogate Model Line Color", derivedLineColor);
  std::unique_ptr<DerivedDataPlotBuilder> derivedData;
  boost::shared_ptr<vantor::Property<bool>> showDerived =
    boost::make_shared<vantor::Property<bool>>(false);
  PropertyPtr<bool> showDerivedProxy = undoable<bool>("Show Surrogate Model", showDerived);
  boost::shared_ptr<DerivedDataVisibilityProperty> derivedVisible;
  std::unique_ptr<DerivedDataPropertySynchronizer> derivedSettings;

  vtkNew<ColorByLegend> colorLegend;
  vtkNew<SymbolByLegend> symbolLegend;
  vtkNew<SurrogateModelLinePatternLegend> patternLegend;
  boost::shared_ptr<ShowChartLegendProperty> showLegend;
  PropertyPtr<bool> showLegendProxy;
  /// Where each legend was last placed by the view; a legend elsewhere was put there.
  std::array<std::array<float, 2>, 3> placedLegendPoints{};

  std::unique_ptr<DataView2DSelectionSynchronizer> synchronizer;
  std::vector<vtkSmartPointer<vtkPlot>> shownRaw;
  std::vector<vtkSmartPointer<vtkPlot>> shownDerived;
  bool chartDirty = true;
  /// "PlotType" "Lines" meant no symbols, whatever "SymbolShape" says.
  bool legacyLinesOnly = false;
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
    query->RemoveObserver(queryObserverTag);
    window->RemoveRenderer(contextView->GetRenderer());
  }

  void setDataDependentPropertyDefaults()
  {
    const DefaultVariables defaults;
    xProxy->setValue(defaults.x);
    yProxy->setValue(defaults.y);
    rawData->colorVar()->setValue(defaults.color);
    rawData->colorByData()->setValue(false);
    rawData->symbolVar()->setValue(defaults.symbol);
    rawData->symbolByData()->setValue(false);
    rawData->sortBy()->setValue(defaults.x);
  }

  void buildDerivedData()
  {
    relevance = boost::make_shared<DerivedDataRelevanceProperty>(surrogateModels,
      xProxy,
      yProxy,
      rawData->sortBy(),
      rawData->colorVar(),
      rawData->colorByData(),
      rawData->symbolVar(),
      rawData->symbolByData());
    interpolation =
      boost::make_shared<LinePlotInterpolationVariables>(surrogateModels, pipeline, *rawData, view);
    query = vtkSmartPointer<SurrogateModelQueryToTable>::Take(
      SurrogateModelQueryToTable::New(surrogateModels, interpolation));
    queryObserver = vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { derivedDataChanged(); })));
    queryObserverTag = query->AddObserver(vtkCommand::ModifiedEvent, queryObserver);
    derivedData = std::make_unique<DerivedDataPlotBuilder>(query, derivedLineColor);
    derivedVisible = boost::make_shared<DerivedDataVisibilityProperty>(showDerived, relevance);
    derivedSettings =
      std::make_unique<DerivedDataPropertySynchronizer>(*interpolation, *rawData, *derivedData);
  }

  void derivedDataChanged()
  {
    if (derivedVisible->value())
      view.render();
  }

  void buildLegends()
  {
    colorLegend->setVariable(rawData->colorVar());
    symbolLegend->setVariable(rawData->symbolVar());
    patternLegend->setStyles(rawData->colorByData(), lineColor, derivedLineColor);
    for (vtkChartLegend* legend :
      std::initializer_list<vtkChartLegend*>{ colorLegend, symbolLegend, patternLegend })
      chart->addLegend(legend);
    showLegend = boost::make_shared<ShowChartLegendProperty>(
      std::vector<ShowChartLegendProperty::LegendRelevance>{
        { colorLegend.Get(), rawData->colorByData() },
        { symbolLegend.Get(), rawData->symbolByData() },
        { patternLegend.Get(), derivedVisible } });
    showLegendProxy = undoable<bool>("Show Legend", showLegend);
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
    connections.add(shape->signalValueChanged.connect(
      [this](int)
      {
        applySymbolStyle();
        view.render();
      }));
    connections.add(size->signalValueChanged.connect(
      [this](float)
      {
        applySymbolStyle();
        view.render();
      }));
    // Recolouring and legends need no rebuild; labels and group colours do.
    for (const auto& color : { lineColor, derivedLineColor })
      connections.add(color->signalValueChanged.connect(renderOnChange));
    connections.add(showLegend->signalValueChanged.connect(renderOnChange));
    connections.add(derivedVisible->signalValueChanged.connect(rebuild));
    for (const auto& flag : { rawData->colorByData(), rawData->symbolByData() })
      connections.add(flag->signalValueChanged.connect(rebuild));
    for (const auto& variable : { rawData->colorVar(), rawData->symbolVar(), rawData->sortBy() })
      connections.add(variable->signalValueChanged.connect(rebuild));
    connections.add(
      Project::project().signalVariablesRemoved.connect([this](const TransactionRecord& record)
        { replaceRemovedVariables(record.removedVariables); }));
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

  bool variablesResolve() const
  {
    for (const auto& property :
      { xProxy, yProxy, rawData->colorVar(), rawData->symbolVar(), rawData->sortBy() })
      if (!property->value().lock())
        return false;
    return true;
  }

  void updatePipeline()
  {
    rawData->outputAlgorithm()->Update();
    if (derivedVisible->value())
    {
      derivedData->outputAlgorithm()->Update();
      checkForSurrogateModelFailure();
    }
  }

  bool chartNeedsUpdate()
  {
    const bool raw = rawData->executionListener().algorithmHasExecuted();
    const bool derived = derivedData->executionListener().algorithmHasExecuted();
    rawData->executionListener().reset();
    derivedData->executionListener().reset();
    return raw || derived || chartDirty;
  }

  // A query error switches the lines off without an undo step, and is told once.
  void checkForSurrogateModelFailure()
  {
    if (!derivedVisible->value())
      return;
    const std::string error = query->getLastError();
    if (error.empty())
      return;
    {
      UndoStack::SuspendUndoRecording suspended;
      showDerived->setValue(false);
    }
    view.signalSurrogateModelError(error);
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
      labelPlots(plots);
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
    if (derivedVisible->value())
    {
      derivedData->rebuildPlots();
      shownDerived = derivedData->plots();
    }
    auto plots = shownRaw;
    plots.insert(plots.end(), shownDerived.begin(), shownDerived.end());
    if (rawData->colorByData()->value())
      AutoSequencedValueLineStyleAssigner<unsigned long>(variableName(rawData->colorVar()),
        groupColors,
        [](vtkPlot* plot, unsigned long rgb)
        {
          plot->SetColor(static_cast<unsigned char>(rgb >> 16),
            static_cast<unsigned char>((rgb >> 8) & 0xFF),
            static_cast<unsigned char>(rgb & 0xFF),
            255);
        })
        .assign(plots);
    return plots;
  }

  void labelPlots(const std::vector<vtkSmartPointer<vtkPlot>>& plots)
  {
    const bool byColor = rawData->colorByData()->value();
    const bool bySymbol = rawData->symbolByData()->value();
    if (!byColor && !bySymbol)
    {
      plots[0]->SetLabel(SurrogateModelLinePatternLegend::dataLabel);
      if (plots.size() > 1)
        plots[1]->SetLabel(SurrogateModelLinePatternLegend::derivedLabel);
      return;
    }
    const std::string colorName = variableName(rawData->colorVar());
    const std::string symbolName = variableName(rawData->symbolVar());
    for (const auto& plot : plots)
    {
      std::string label = byColor ? groupLabel(*plot, colorName) : std::string();
      if (bySymbol)
        label += (label.empty() ? "" : "; ") + groupLabel(*plot, symbolName);
      plot->SetLabel(label);
    }
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
    const float markerSize = size->value() * baseMarkerSize;
    if (rawData->symbolByData()->value())
    {
      auto plots = shownRaw;
      plots.insert(plots.end(), shownDerived.begin(), shownDerived.end());
      AutoSequencedValueLineStyleAssigner<int>(variableName(rawData->symbolVar()),
        groupMarkers,
        [markerSize](vtkPlot* plot, int marker)
        {
          if (auto* points = vtkPlotPoints::SafeDownCast(plot))
          {
            points->SetMarkerStyle(marker);
            points->SetMarkerSize(markerSize);
          }
        })
        .assign(plots);
    }
    else
      for (const auto& plot : shownRaw)
        if (auto* points = vtkPlotPoints::SafeDownCast(plot))
        {
          vtkTable* table = points->GetInput();
          const bool lone = table && table->GetNumberOfRows() == 1;
          const int marker = shape->value();
          points->SetMarkerStyle(marker == vtkPlotPoints::NONE && lone ? circleMarker : marker);
          points->SetMarkerSize(markerSize);
        }
    updateSelections();
  }

  void updateSelections()
  {
    synchronizer->setPlotsToSynchronize(shownRaw);
    synchronizer->updateChartSelections();
  }

  /// Legends the user has not moved sit in the upper right corner, one below the other, the
  /// short line-pattern legend first.
  void placeLegends()
  {
    const int* windowSize = window->GetSize();
    // A window not yet shown has no corner to place them in.
    if (windowSize[0] <= 0 || windowSize[1] <= 0)
      return;
    float top = float(windowSize[1]) - legendMargin;
    const float right = float(windowSize[0]) - legendMargin;
    const std::pair<std::size_t, vtkChartLegend*> legends[] = {
      { 2, patternLegend }, { 0, colorLegend }, { 1, symbolLegend }
    };
    for (const auto& [index, legend] : legends)
    {
      const float* point = legend->GetPoint();
      const bool moved =
        point[0] != placedLegendPoints[index][0] || point[1] != placedLegendPoints[index][1];
      if (moved)
        continue;
      legend->SetPoint(right, top);
      placedLegendPoints[index] = { right, top };
      if (legend->GetVisible())
        top -= legendHeight(index);
    }
  }

  /// The height a legend takes, from its rows; fonts are measured only when it paints.
  float legendHeight(std::size_t index)
  {
    const float row = float(colorLegend->GetLabelSize()) + 2.0f * float(colorLegend->GetPadding());
    std::size_t rows = 2;
    if (index < 2)
    {
      GroupLegendAbstract& legend =
        index == 0 ? static_cast<GroupLegendAbstract&>(*colorLegend) : *symbolLegend;
      legend.updateEntries();
      rows = legend.rowsWithin(row, legend.availableHeight());
    }
    return row * float(rows) + 2.0f * float(colorLegend->GetPadding());
  }

  std::vector<float> legendPosition(vtkChartLegend& legend) const
  {
    const float* point = legend.GetPoint();
    return { point[0], point[1] };
  }

  void setLegendPosition(vtkChartLegend& legend, const std::vector<float>& position)
  {
    if (position.size() == 2)
      legend.SetPoint(position[0], position[1]);
  }

  void replaceRemovedVariables(const std::vector<uint64_t>& removed)
  {
    if (removed.empty())
      return;
    // The replacements follow from the user's removal; they are no step of their own.
    UndoStack::SuspendUndoRecording suspended;
    const DefaultVariables replacement;
    const std::pair<PropertyPtr<VariablePtr>, VariablePtr> repairs[] = { { xProxy, replacement.x },
      { yProxy, replacement.y },
      { rawData->colorVar(), replacement.color },
      { rawData->symbolVar(), replacement.symbol },
      { rawData->sortBy(), replacement.x } };
    for (uint64_t id : removed)
      for (const auto& repair : repairs)
      {
        const VariablePtr current = repair.first->value();
        if (!current.isNull() && current.id() == id)
          repair.first->setValue(repair.second);
      }
  }

  /// Variables removed while the view was suspended, as the repair would have been told.
  std::vector<uint64_t> staleVariables() const
  {
    std::vector<uint64_t> stale;
    for (const auto& property :
      { xProxy, yProxy, rawData->colorVar(), rawData->symbolVar(), rawData->sortBy() })
    {
      const VariablePtr handle = property->value();
      if (!handle.isNull() && !handle.lock())
        stale.push_back(handle.id());
    }
    return stale;
  }

  void readPlotType(const std::string& type)
  {
    if (type == "Lines")
    {
      showLinesProxy->setValue(true);
      shapeProxy->setValue(0);
      legacyLinesOnly = true;
    }
    else if (type == "Symbols")
      showLinesProxy->setValue(false);
    else if (type == "LinesAndSymbols")
      showLinesProxy->setValue(true);
    rawData->symbolByData()->setValue(false);
  }

  void readSymbolShape(int stored)
  {
    if (legacyLinesOnly)
      legacyLinesOnly = false;
    else
      shapeProxy->setValue(stored);
  }

  void registerSerializers(Serializer& root)
  {
    using FloatList = VectorSerializer<float, boost::function<bool(const std::string&)>>;
    const auto variable = [&root](const char* key, PropertyPtr<VariablePtr> property)
    { root.addSubElement(boost::make_shared<VariableInfoSerializer>(key, std::move(property))); };
    const auto legendPositionElement = [this](const char* key, vtkChartLegend& legend)
    {
      return boost::make_shared<FloatList>(
        key,
        [this, &legend] { return legendPosition(legend); },
        [this, &legend](const std::vector<float>& position)
        { setLegendPosition(legend, position); });
    };
    variable("XVar", xProxy);
    variable("YVar", yProxy);
    variable("SortBy", rawData->sortBy());
    root.addSubElement(boost::make_shared<AxisDetailsSerializer>(axes));
    root.addSubElement(boost::make_shared<QColorSerializer>("LineColor", lineColorProxy));
    root.addSubElement(
      boost::make_shared<GenericSerializer<bool>>("ShowDerivedData", showDerivedProxy));
    root.addSubElement(
      boost::make_shared<QColorSerializer>("DerivedDataLineColor", derivedLineColorProxy));
    root.addSubElement(boost::make_shared<GenericSerializer<bool>>("ShowLegend", showLegendProxy));
    root.addSubElement(legendPositionElement("ColorByLegendPosition", *colorLegend));
    root.addSubElement(legendPositionElement("SymbolByLegendPosition", *symbolLegend));
    root.addSubElement(legendPositionElement("SurrogateModelLegendPosition", *patternLegend));
    root.addSubElement(boost::make_shared<GenericSerializer<bool>>("ShowLines", showLinesProxy));
    root.addDeserializeOnlySubElement(
      boost::make_shared<VariableInfoSerializer>("GroupLinesBy", rawData->colorVar()));
    root.addDeserializeOnlySubElement(
      boost::make_shared<GenericSerializer<bool>>("GroupLinesByData", rawData->colorByData()));
    variable("ColorVar", rawData->colorVar());
    root.addSubElement(
      boost::make_shared<GenericSerializer<bool>>("ColorByData", rawData->colorByData()));
    variable("SymbolVar", rawData->symbolVar());
    root.addSubElement(
      boost::make_shared<GenericSerializer<bool>>("SymbolByData", rawData->symbolByData()));
    root.addSubElement(
      boost::make_shared<SurrogateModelUserDistCollectionSerializer>(distributionsProxy));
    root.addDeserializeOnlySubElement(boost::make_shared<GenericSerializer<std::string>>(
      "PlotType",
      [] { return std::string(); },
      [this](const std::string& type) { readPlotType(type); }));
    root.addSubElement(boost::make_shared<GenericSerializer<int>>(
      "SymbolShape",
      [this] { return shape->value(); },
      [this](const int& stored) { readSymbolShape(stored); }));
    root.addSubElement(boost::make_shared<GenericSerializer<float>>("SymbolSize", sizeProxy));
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
  d.setDataDependentPropertyDefaults();
  d.shapeProxy->setValue(0);
  d.sizeProxy->setValue(1.0f);
  d.buildDerivedData();
  d.buildLegends();
  d.bindToWindow();
  d.connect();
  d.registerSerializers(static_cast<Serializer&>(serializer()));
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
  if (!d.variablesResolve())
    return;
  d.updatePipeline();
  if (d.chartNeedsUpdate())
    d.updateChart();
  else
    d.updateSelections();
  d.placeLegends();
}

void LinePlot::suspend()
{
  Impl& d = *m_impl;
  d.connections.block();
  d.relevance->suspend();
  d.interpolation->suspend();
  d.derivedSettings->suspend();
  d.synchronizer->suspend();
  d.window->RemoveObserver(d.renderObserverTag);
  d.renderObserverTag = 0;
  d.query->RemoveObserver(d.queryObserverTag);
}

void LinePlot::resume()
{
  Impl& d = *m_impl;
  d.connections.unblock();
  d.relevance->resume();
  d.interpolation->resume();
  d.derivedSettings->resume();
  d.synchronizer->resume();
  d.observeRenderStart();
  d.queryObserverTag = d.query->AddObserver(vtkCommand::ModifiedEvent, d.queryObserver);
  d.replaceRemovedVariables(d.staleVariables());
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
  return m_impl->showLegendProxy;
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
  return m_impl->showDerivedProxy;
}

PropertyPtr<bool> LinePlot::derivedDataRelevance()
{
  return m_impl->relevance;
}

PropertyPtr<QColor> LinePlot::derivedDataLineColor()
{
  return m_impl->derivedLineColorProxy;
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
  return m_impl->interpolation;
}

vtkSmartPointer<vtkTableAlgorithm> LinePlot::derivedData()
{
  return m_impl->query;
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
  return *m_impl->derivedData;
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
