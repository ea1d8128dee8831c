#include "analyzer/dataviews/scatter2d/ScatterPlot2D.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/scatter2d/ConstraintCategories.h"
#include "analyzer/dataviews/scatter2d/ConstraintColumnAdder.h"
#include "analyzer/dataviews/scatter2d/ConstraintsPointPlot.h"
#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"
#include "analyzer/dataviews/serialize/EnumSerializer.h"
#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "host/charts/AxisDetailsCharts.h"
#include "host/charts/ChartAxes.h"
#include "host/charts/ChartXY.h"
#include "host/charts/ChartXYLocationTransformer.h"
#include "host/charts/ConstraintsRegionPlot.h"
#include "host/charts/DataView2DSelectionSynchronizer.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/charts/VTKChartsMouseModeProperty.h"
#include "host/charts/vtkChartUtils.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/plotsupport/ColorLegend.h"
#include "host/plotsupport/InvalidPointsFilter.h"
#include "host/plotsupport/NiceLabelsColorBarWidget.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/project/AxisVariableProvider.h"
#include "host/project/Project.h"
#include "host/project/TransactionRecord.h"
#include "host/serialization/QColorSerializer.h"
#include "host/serialization/Serializer.h"
#include "host/serialization/VariableInfoSerializer.h"
#include "host/viewsupport/SelectionModelInterface.h"
#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/NamedValueTranslator.h"
#include "property/PropertyInstantiations.h"

#include <QColor>
#include <boost/make_shared.hpp>
#include <vtkAxis.h>
#include <vtkChartLegend.h>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkLookupTable.h>
#include <vtkPen.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkScalarBarRepresentation.h>
#include <vtkStringArray.h>
#include <vtkTable.h>

const char* const ScatterPlot2D::m_domName = "Scatter2DView";
const int ScatterPlot2D::m_pixelSelectionTolerance = 6;

namespace
{

/// Marker size of the points at a scaling factor of 1.
const float baseMarkerSize = 11.5f;

NamedValueTranslator<Coloring_e> coloringNames()
{
  NamedValueTranslator<Coloring_e> names;
  names.add("SolidColor", SolidColor);
  names.add("ByVariable", ByVariable);
  names.add("ByRules", ByRules);
  return names;
}

template<class T>
boost::shared_ptr<vantor::PropertyAbstract<T>> undoable(const char* label,
  boost::shared_ptr<vantor::PropertyAbstract<T>> property)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<T>>(label, std::move(property));
}

struct DefaultVariables
{
  VariablePtr x, y, color;
  bool moreVariables = false;

  DefaultVariables()
  {
    AxisVariableProvider provider(Project::project().variables());
    x = provider.next(Variable::Independent);
    y = provider.next(Variable::Independent);
    moreVariables = provider.hasNext();
    color = provider.next(Variable::Dependent);
  }
};

} // namespace

struct ScatterPlot2D::Impl
{
  ScatterPlot2D& view;
  const std::string title = "2D Scatter Plot";
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  vtkSmartPointer<vtkRenderWindow> window;
  vtkNew<vtkContextView> contextView;
  vtkSmartPointer<ChartXY> chart = vtkSmartPointer<ChartXY>::New();
  vtkNew<ConstraintsPointPlot> pointPlot;
  vtkNew<ConstraintsRegionPlot> regionPlot;
  vtkNew<vtkVariantToNumericAlgorithm> numeric;
  vtkNew<ConstraintColumnAdder> constraints;
  vtkNew<InvalidPointsFilter> validRows;
  vtkNew<vtkLookupTable> ramp;
  vtkNew<vtkLookupTable> constraintTable;
  vtkSmartPointer<vtkVnCommandProxy> rampObserver;
  unsigned long rampObserverTag = 0;
  vtkSmartPointer<vtkVnCommandProxy> renderObserver;
  unsigned long renderObserverTag = 0;

  boost::shared_ptr<SpatialVariableProperty2D> x = boost::make_shared<SpatialVariableProperty2D>(0);
  boost::shared_ptr<SpatialVariableProperty2D> y = boost::make_shared<SpatialVariableProperty2D>(1);
  boost::shared_ptr<vantor::Property<QColor>> color =
    boost::make_shared<vantor::Property<QColor>>(QColor(80, 130, 230, 255));
  boost::shared_ptr<vantor::Property<VariablePtr>> colorVar =
    boost::make_shared<vantor::Property<VariablePtr>>();
  boost::shared_ptr<vantor::Property<Coloring_e>> coloring =
    boost::make_shared<vantor::Property<Coloring_e>>(SolidColor);
  boost::shared_ptr<vantor::Property<float>> scaling =
    boost::make_shared<vantor::Property<float>>(1.0f);
  PropertyPtr<VariablePtr> xProxy = undoable<VariablePtr>("X Variable", x);
  PropertyPtr<VariablePtr> yProxy = undoable<VariablePtr>("Y Variable", y);
  PropertyPtr<QColor> colorProxy = undoable<QColor>("Color", color);
  PropertyPtr<VariablePtr> colorVarProxy = undoable<VariablePtr>("Color Variable", colorVar);
  PropertyPtr<Coloring_e> coloringProxy = undoable<Coloring_e>("Coloring Type", coloring);
  PropertyPtr<float> scalingProxy = undoable<float>("Size", scaling);
  /// True exactly while colouring by a variable.
  boost::shared_ptr<vantor::PropertyTypeAdapter<bool, Coloring_e>> colorByData;
  boost::shared_ptr<VTKChartsMouseModeProperty> mouseMode;

  boost::shared_ptr<ColorLegend> legend;
  std::unique_ptr<DataView2DSelectionSynchronizer> synchronizer;
  AxisDetailsList axes;
  /// The category legend was put where a document said.
  bool chartLegendPlaced = false;
  SignalConnectionCollection connections;

  Impl(ScatterPlot2D& owner,
    boost::shared_ptr<const DataPipelineManagerInterface> pipelineManager,
    vtkRenderWindow& renderWindow)
    : view(owner)
    , pipeline(std::move(pipelineManager))
    , window(&renderWindow)
    , colorByData(boost::make_shared<vantor::PropertyTypeAdapter<bool, Coloring_e>>(
        coloring,
        [](Coloring_e value) { return value == ByVariable; },
        [](bool byVariable) { return byVariable ? ByVariable : SolidColor; }))
    , mouseMode(boost::make_shared<VTKChartsMouseModeProperty>(chart))
  {
    contextView->GetScene()->AddItem(chart);
    // The four long category texts would hide points in the plot area: they get their own strip.
    chart->GetLegend()->SetInline(false);
    chart->GetLegend()->SetHorizontalAlignment(vtkChartLegend::CENTER);
    chart->GetLegend()->SetVerticalAlignment(vtkChartLegend::BOTTOM);
    chart->AddPlot(pointPlot);
    x->addPlot(pointPlot);
    y->addPlot(pointPlot);
    rampObserver = vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { pointPlot->Modified(); })));
    rampObserverTag = ramp->AddObserver(vtkCommand::ModifiedEvent, rampObserver);
    fillConstraintTable();
    ramp->SetHueRange(0.667, 0.0);
    ramp->Build();
    contextView->SetRenderWindow(window);
    contextView->SetInteractor(window->GetInteractor());
    // The colour bar shows with the window's own renders too (expose, resize), not only with
    // the view's.
    renderObserver = vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { keepPointsBesideColorBar(); })));
    renderObserverTag = window->AddObserver(vtkCommand::StartEvent, renderObserver);
  }

  ~Impl()
  {
    ramp->RemoveObserver(rampObserverTag);
    window->RemoveObserver(renderObserverTag);
  }

  void fillConstraintTable()
  {
    constraintTable->SetNumberOfTableValues(ConstraintCategories::count);
    constraintTable->SetRange(0, ConstraintCategories::count - 1);
    vtkNew<vtkStringArray> labels;
    for (int i = 0; i < ConstraintCategories::count; ++i)
    {
      const auto& rgb = ConstraintCategories::colors[static_cast<std::size_t>(i)];
      constraintTable->SetTableValue(i, rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0, 1.0);
      labels->InsertNextValue(ConstraintCategories::labels[static_cast<std::size_t>(i)]);
    }
    pointPlot->SetLabels(labels);
  }

  void buildPipeline()
  {
    constraints->setConstraintSource(pipeline.get());
    regionPlot->setConstraints(pipeline, x, y);
    validRows->setVariables({ x,
      y,
      boost::make_shared<InvalidPointsFilter::RelevanceDependentVariableProperty>(
        colorByData, colorVar) });
    pointPlot->SetInputData(validRows->GetOutput());
  }

  void createLegend()
  {
    legend = boost::make_shared<ColorLegend>(colorVar,
      colorByData,
      pipeline,
      ramp.Get(),
      window->GetInteractor(),
      vtkSmartPointer<NiceLabelsColorBarWidget>::New());
  }

  void applySolidColor()
  {
    const QColor value = color->value();
    pointPlot->SetColor(value.redF(), value.greenF(), value.blueF());
  }

  void colorByArray(const std::string& name) { pointPlot->SelectColorArray(name); }

  void colorByVariable()
  {
    // Text has no place on the ramp (and VTK cannot map it): the points keep one colour.
    const auto variable = colorVar->value().lock();
    colorByArray(variable && variable->isNumeric() ? variable->name() : std::string());
  }

  void updateColoring()
  {
    const Coloring_e type = coloring->value();
    pointPlot->SetLookupTable(nullptr);
    pointPlot->SetScalarVisibility(false);
    chart->ClearPlots();
    if (type == SolidColor)
      applySolidColor();
    else
      pointPlot->SetLookupTable(type == ByRules ? constraintTable.Get() : ramp.Get());
    if (type == ByRules)
      chart->AddPlot(regionPlot);
    chart->SetShowLegend(type == ByRules);
    chart->AddPlot(pointPlot);
    pointPlot->SetScalarVisibility(type != SolidColor);

    numeric->SetInputConnection(
      (type == ByRules ? pipeline->unfilteredOutput() : pipeline->filteredOutput())
        ->GetOutputPort());
    if (type == ByRules)
    {
      constraints->SetInputConnection(numeric->GetOutputPort());
      validRows->SetInputConnection(constraints->GetOutputPort());
    }
    else
      validRows->SetInputConnection(numeric->GetOutputPort());
    validRows->Update();
    if (type == ByRules)
      colorByArray(ConstraintColumnAdder::columnName);
    else if (type == ByVariable)
      colorByVariable();
  }

  void createAxes()
  {
    axes = { boost::make_shared<AxisDetailsCharts>("X-Axis", chart, ChartAxes::bottom, x),
      boost::make_shared<AxisDetailsCharts>("Y-Axis", chart, ChartAxes::left, y) };
  }

  void setDataDependentDefaults()
  {
    const DefaultVariables defaults;
    x->setValue(defaults.x);
    y->setValue(defaults.y);
    colorVar->setValue(defaults.color);
    coloring->setValue(defaults.moreVariables ? ByVariable : SolidColor);
  }

  void replaceRemovedVariables(const std::vector<uint64_t>& removed)
  {
    if (removed.empty())
      return;
    const DefaultVariables defaults;
    for (uint64_t id : removed)
    {
      if (!x->value().isNull() && x->value().id() == id)
        x->setValue(defaults.x);
      if (!y->value().isNull() && y->value().id() == id)
        y->setValue(defaults.y);
      if (!colorVar->value().isNull() && colorVar->value().id() == id)
        colorVar->setValue(defaults.color);
    }
  }

  void connect()
  {
    auto render = [this] { view.render(); };
    connections.add(pipeline->signalFilteredDataChanged.connect(render));
    connections.add(pipeline->signalUnfilteredDataChanged.connect(render));
    connections.add(view.selectionModel()->signalSelectionChanged.connect(render));
    connections.add(synchronizer->signalSelectionChanged.connect(render));
    connections.add(x->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVariableChanged(ChartAxes::bottom); }));
    connections.add(y->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVariableChanged(ChartAxes::left); }));
    connections.add(scaling->signalValueChanged.connect([this](float) { applyMarkerSize(); }));
    connections.add(color->signalValueChanged.connect(
      [this](const QColor&)
      {
        if (coloring->value() == SolidColor)
          applySolidColor();
      }));
    connections.add(colorVar->signalValueChanged.connect(
      [this](const VariablePtr&)
      {
        if (coloring->value() == ByVariable)
          colorByVariable();
      }));
    connections.add(coloring->signalValueChanged.connect([this](Coloring_e) { updateColoring(); }));
    connections.add(
      Project::project().signalVariablesRemoved.connect([this](const TransactionRecord& record)
        { replaceRemovedVariables(record.removedVariables); }));
  }

  /// A text variable places no case: the points (and the filter regions along that axis) are
  /// hidden instead of drawn nowhere.
  void showPlotsWherePlaced()
  {
    const bool placed = x->placesPoints() && y->placesPoints();
    pointPlot->SetVisible(placed);
    regionPlot->SetVisible(placed);
  }

  void axisVariableChanged(int axis)
  {
    showPlotsWherePlaced();
    vtkChartUtils::resetAxisRange(*chart, axis);
  }

  void applyMarkerSize() { pointPlot->SetMarkerSize(scaling->value() * baseMarkerSize); }

  vtkScalarBarRepresentation& legendBox() const
  {
    return *vtkScalarBarRepresentation::SafeDownCast(legend->widget().GetRepresentation());
  }

  std::vector<float> legendPosition() const
  {
    const double* position = legendBox().GetPosition();
    return { float(position[0]), float(position[1]) };
  }

  void setLegendPosition(const std::vector<float>& position)
  {
    if (position.size() == 2)
      legendBox().SetPosition(position[0], position[1]);
  }

  /// A colour bar in the right half keeps the points out of its strip.
  void keepPointsBesideColorBar()
  {
    if (!legend)
      return;
    const double left = legendBox().GetPosition()[0];
    chart->setFreeRightFraction(legend->isShown() && left > 0.5 ? 1.0 - left : 0.0);
  }

  /// Where the user put the category legend; (0, 0) while it sits in its strip below the plot.
  std::vector<float> chartLegendPosition() const
  {
    if (!chartLegendPlaced && !chart->legendMoved())
      return { 0, 0 };
    const float* point = chart->GetLegend()->GetPoint();
    return { point[0], point[1] };
  }

  /// A legend placed where it was saved stays there, over the plot, instead of in its strip.
  void setChartLegendPosition(const std::vector<float>& position)
  {
    if (position.size() != 2 || (position[0] == 0 && position[1] == 0))
      return;
    chartLegendPlaced = true;
    vtkChartLegend* legend = chart->GetLegend();
    legend->SetInline(true);
    legend->SetHorizontalAlignment(vtkChartLegend::CUSTOM);
    legend->SetVerticalAlignment(vtkChartLegend::CUSTOM);
    legend->SetPoint(position[0], position[1]);
  }

  void registerSerializers(Serializer& serializer)
  {
    using FloatList = VectorSerializer<float, boost::function<bool(const std::string&)>>;
    serializer.addSubElement(boost::make_shared<VariableInfoSerializer>("XVar", xProxy));
    serializer.addSubElement(boost::make_shared<VariableInfoSerializer>("YVar", yProxy));
    serializer.addSubElement(boost::make_shared<VariableInfoSerializer>("ColorVar", colorVarProxy));
    serializer.addSubElement(boost::make_shared<QColorSerializer>("Color", colorProxy));
    serializer.addSubElement(boost::make_shared<EnumSerializer<Coloring_e>>(
      "ColoringType", coloringProxy, coloringNames()));
    serializer.addSubElement(
      boost::make_shared<GenericSerializer<float>>("ScalingFactor", scalingProxy));
    serializer.addSubElement(boost::make_shared<AxisDetailsSerializer>(axes));
    serializer.addDeserializeOnlySubElement(
      boost::make_shared<GenericSerializer<bool>>("ColorByData", colorByData));
    serializer.addSubElement(boost::make_shared<FloatList>(
      "LegendPosition",
      [this] { return legendPosition(); },
      [this](const std::vector<float>& position) { setLegendPosition(position); }));
    serializer.addSubElement(boost::make_shared<FloatList>(
      "FilterViolationLegendPosition",
      [this] { return chartLegendPosition(); },
      [this](const std::vector<float>& position) { setChartLegendPosition(position); }));
  }
};

ScatterPlot2D::ScatterPlot2D(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  vtkRenderWindow& window)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), selectionModel)
  , m_impl(std::make_unique<Impl>(*this, std::move(pipeline), window))
{
  Impl& d = *m_impl;
  d.synchronizer = std::make_unique<DataView2DSelectionSynchronizer>(
    d.chart, boost::make_shared<PlotSelectionModel>(window.GetInteractor(), selectionModel));
  d.synchronizer->setPlotsToSynchronize({ d.pointPlot.Get() });
  d.synchronizer->setPointPicker([this](uint64_t& caseId) { return caseIDAtPoint(caseId); });
  d.createAxes();
  d.buildPipeline();
  d.setDataDependentDefaults();
  d.showPlotsWherePlaced();
  d.createLegend();
  d.updateColoring();
  d.connect();
  d.registerSerializers(static_cast<Serializer&>(serializer()));
  d.scaling->setValue(1.0f);
  d.applyMarkerSize();
  vtkChartUtils::fitData(*d.chart);
}

ScatterPlot2D::~ScatterPlot2D() = default;

std::string ScatterPlot2D::title() const
{
  return m_impl->title;
}

void ScatterPlot2D::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<ScatterPlot2DInterface>(shared_from_this()));
}

PropertyPtr<DataViewInterface::MouseMode> ScatterPlot2D::mouseMode()
{
  return m_impl->mouseMode;
}

void ScatterPlot2D::render()
{
  // A plotted variable just erased is replaced once the project says so; draw nothing before.
  if (!m_impl->x->value().lock() || !m_impl->y->value().lock())
    return;
  m_impl->validRows->Update();
  m_impl->keepPointsBesideColorBar();
  m_impl->synchronizer->updateChartSelections();
  m_impl->window->Render();
}

void ScatterPlot2D::suspend()
{
  m_impl->connections.block();
  m_impl->legend->suspend();
  m_impl->synchronizer->suspend();
  m_impl->ramp->RemoveObserver(m_impl->rampObserverTag);
}

void ScatterPlot2D::resume()
{
  m_impl->connections.unblock();
  m_impl->legend->resume();
  m_impl->synchronizer->resume();
  m_impl->rampObserverTag =
    m_impl->ramp->AddObserver(vtkCommand::ModifiedEvent, m_impl->rampObserver);
}

PropertyPtr<VariablePtr> ScatterPlot2D::xVar()
{
  return m_impl->xProxy;
}

PropertyPtr<VariablePtr> ScatterPlot2D::yVar()
{
  return m_impl->yProxy;
}

PropertyPtr<float> ScatterPlot2D::scalingFactor()
{
  return m_impl->scalingProxy;
}

PropertyPtr<VariablePtr> ScatterPlot2D::colorVar()
{
  return m_impl->colorVarProxy;
}

PropertyPtr<QColor> ScatterPlot2D::color()
{
  return m_impl->colorProxy;
}

PropertyPtr<Coloring_e> ScatterPlot2D::coloringType()
{
  return m_impl->coloringProxy;
}

boost::shared_ptr<ColorLegend> ScatterPlot2D::legend()
{
  return m_impl->legend;
}

void ScatterPlot2D::fitData()
{
  vtkChartUtils::fitData(*m_impl->chart);
}

vtkSmartPointer<vtkRenderWindow> ScatterPlot2D::renderWindow()
{
  return m_impl->window;
}

AxisDetailsList ScatterPlot2D::axisDetails()
{
  return m_impl->axes;
}

void ScatterPlot2D::setSelectionColor(const QColor& color)
{
  m_impl->pointPlot->GetSelectionPen()->SetColor(static_cast<unsigned char>(color.red()),
    static_cast<unsigned char>(color.green()),
    static_cast<unsigned char>(color.blue()));
}

vtkChartXY* ScatterPlot2D::chart() const
{
  return m_impl->chart;
}

vtkPlotPoints* ScatterPlot2D::pointPlot() const
{
  return m_impl->pointPlot;
}

vtkTable* ScatterPlot2D::pointTable() const
{
  return m_impl->validRows->GetOutput();
}

bool ScatterPlot2D::caseIDAtPoint(uint64_t& caseID)
{
  vtkRenderWindowInteractor* interactor = m_impl->window->GetInteractor();
  vtkTable* table = pointTable();
  if (!interactor || table->GetNumberOfColumns() == 0)
    return false;
  const int* position = interactor->GetEventPosition();
  const double tolerance = m_pixelSelectionTolerance;
  const ChartXYLocationTransformer transformer(*m_impl->chart);
  const vtkVector2d lowerLeft = transformer.getWorldCoordinatesFromPixelLocation(
    vtkVector2d(position[0] - tolerance, position[1] - tolerance));
  const vtkVector2d upperRight = transformer.getWorldCoordinatesFromPixelLocation(
    vtkVector2d(position[0] + tolerance, position[1] + tolerance));
  return vtkChartUtils::caseIDAtPoint(
    *m_impl->pointPlot, *table->GetColumn(0), lowerLeft, upperRight, caseID);
}
