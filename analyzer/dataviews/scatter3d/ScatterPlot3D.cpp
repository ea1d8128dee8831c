#include "analyzer/dataviews/scatter3d/ScatterPlot3D.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/scatter3d/AxisDetails3D.h"
#include "analyzer/dataviews/scatter3d/DerivedDataRelevanceProperty3D.h"
#include "analyzer/dataviews/scatter3d/DerivedDataScatter3D.h"
#include "analyzer/dataviews/scatter3d/EntireTableToPolyData.h"
#include "analyzer/dataviews/scatter3d/GlyphMapperProperties.h"
#include "analyzer/dataviews/scatter3d/GlyphPositionAdjustingAxisRangeMonitor.h"
#include "analyzer/dataviews/scatter3d/GlypherProxy.h"
#include "analyzer/dataviews/scatter3d/InteractorStyle3D.h"
#include "analyzer/dataviews/scatter3d/PlainLabelsCubeAxesActor.h"
#include "analyzer/dataviews/scatter3d/PositionTransformFilter.h"
#include "analyzer/dataviews/scatter3d/Scatter3DInterpolationVariables.h"
#include "analyzer/dataviews/scatter3d/Scatter3DScaleFactorCalculator.h"
#include "analyzer/dataviews/scatter3d/ScatterPlot3DSelection.h"
#include "analyzer/dataviews/scatter3d/SceneBesideColorBar.h"
#include "analyzer/dataviews/scatter3d/ShapeProperty3D.h"
#include "analyzer/dataviews/scatter3d/SizingPropertiesSynchronizer.h"
#include "analyzer/dataviews/scatter3d/ZeroLength3DAxesAdjuster.h"
#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"
#include "analyzer/dataviews/serialize/EnumSerializer.h"
#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "analyzer/dataviews/serialize/vtkVnCameraSerializer.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/plotsupport/ColorLegend.h"
#include "host/plotsupport/InvalidPointsFilter.h"
#include "host/plotsupport/NiceLabelsColorBarWidget.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/project/AxisVariableProvider.h"
#include "host/project/Project.h"
#include "host/serialization/QColorSerializer.h"
#include "host/serialization/Serializer.h"
#include "host/serialization/VariableInfoSerializer.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/surrogate/SurrogateModelUserDistCollectionSerializer.h"
#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"
#include "property/PropertyInstantiations.h"

#include <algorithm>
#include <array>
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkDataSet.h>
#include <vtkExtractSelectedFrustum.h>
#include <vtkGlyph3DMapper.h>
#include <vtkIdTypeArray.h>
#include <vtkLookupTable.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkProperty2D.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderedAreaPicker.h>
#include <vtkRenderer.h>
#include <vtkTextProperty.h>
#include <vtkTransform.h>

const int ScatterPlot3D::m_pixelSelectionTolerance = 6;
const ScatterPlot3DInterface::Shape ScatterPlot3D::m_defaultShape = ScatterPlot3DInterface::Sphere;
const double ScatterPlot3D::m_defaultScalingFactor = 1.0;
const boost::array<double, 3> ScatterPlot3D::m_renderBackgroundColor = { { 1.0, 1.0, 1.0 } };
const char* const ScatterPlot3D::m_cubeShapeName = "Cube";
const char* const ScatterPlot3D::m_sphereShapeName = "Sphere";
const char* const ScatterPlot3D::m_domName = "Scatter3DView";

namespace
{

using VariableProperty = boost::shared_ptr<vantor::PropertyAbstract<VariablePtr>>;

template<class T>
boost::shared_ptr<vantor::UndoablePropertyProxy<T>> undoable(const std::string& label,
  boost::shared_ptr<vantor::PropertyAbstract<T>> property)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<T>>(label, std::move(property));
}

/// The defaults a view takes from the project's variables: two independent ones on x and y,
/// a dependent one on z, colour and size by further dependent ones.
struct DefaultVariables
{
  VariablePtr x, y, z, color, size;
  bool colorByData = false;

  explicit DefaultVariables(const std::vector<VariablePtr>& variables)
  {
    AxisVariableProvider provider(variables);
    x = provider.next(Variable::Independent);
    y = provider.next(Variable::Independent);
    z = provider.next(Variable::Dependent);
    colorByData = provider.hasNext();
    color = provider.next(Variable::Dependent);
    size = provider.next(Variable::Dependent);
  }
};

uint64_t caseIdAt(vtkAbstractArray& ids, vtkIdType index)
{
  // Case ids are stored as the bits of unsigned 64-bit numbers.
  if (auto* typed = vtkArrayDownCast<vtkIdTypeArray>(&ids))
    return static_cast<uint64_t>(typed->GetValue(index));
  return ids.GetVariantValue(index).ToTypeUInt64();
}

} // namespace

/// An axis variable: storing it names the axis's column of the table-to-points stage.
template<int Axis>
class ScatterPlot3D::AxisVariableProperty : public vantor::Property<VariablePtr>
{
public:
  explicit AxisVariableProperty(vtkSmartPointer<EntireTableToPolyData> points)
    : m_points(std::move(points))
  {
  }

private:
  void storeValue(const VariablePtr& value) override
  {
    const auto variable = value.lock();
    if (!variable && !value.isNull())
      throw vantor::InvalidPropertyValueException("The variable is not part of the project.");
    const char* name = variable ? variable->name().c_str() : nullptr;
    if (Axis == 0)
      m_points->SetXColumn(name);
    else if (Axis == 1)
      m_points->SetYColumn(name);
    else
      m_points->SetZColumn(name);
    vantor::Property<VariablePtr>::storeValue(value);
  }

  vtkSmartPointer<EntireTableToPolyData> m_points;
};

struct ScatterPlot3D::Impl
{
  ScatterPlot3D& view;
  std::string title = "3D Scatter Plot";
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  vtkSmartPointer<vtkRenderWindow> renderWindow;
  vtkNew<vtkRenderer> renderer;
  vtkNew<vtkVariantToNumericAlgorithm> numeric;
  vtkNew<InvalidPointsFilter> validPoints;
  vtkNew<EntireTableToPolyData> tableToPoints;
  vtkNew<vtkGlyph3DMapper> glyphMapper;
  vtkNew<vtkLookupTable> lookupTable;
  vtkNew<vtkActor> glyphActor;
  vtkNew<PlainLabelsCubeAxesActor> axes;
  boost::shared_ptr<ScatterPlot3DSelection> selection;
  vtkNew<PositionTransformFilter> transform;
  boost::shared_ptr<SizingPropertiesSynchronizer> sizing;
  SignalConnectionCollection connections;
  boost::shared_ptr<Scatter3DScaleFactorCalculator> calculator;
  boost::shared_ptr<ColorLegend> legend;
  std::unique_ptr<SceneBesideColorBar> besideColorBar;
  boost::shared_ptr<InteractorStyle3D> interactorStyle;
  AxisDetailsList axisDetails;
  boost::shared_ptr<GlyphPositionAdjustingAxisRangeMonitor> rangeMonitor;
  boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels;
  // The axis variables the axes were last set up for.
  std::array<VariablePtr, 3> axesVariables;

  boost::shared_ptr<vantor::UndoablePropertyProxy<bool>> sizeByData;
  boost::shared_ptr<vantor::UndoablePropertyProxy<VariablePtr>> sizeVar;
  boost::shared_ptr<vantor::UndoablePropertyProxy<VariablePtr>> xVar;
  boost::shared_ptr<vantor::UndoablePropertyProxy<VariablePtr>> yVar;
  boost::shared_ptr<vantor::UndoablePropertyProxy<VariablePtr>> zVar;
  boost::shared_ptr<vantor::UndoablePropertyProxy<VariablePtr>> colorVar;
  boost::shared_ptr<vantor::UndoablePropertyProxy<QColor>> color;
  boost::shared_ptr<vantor::UndoablePropertyProxy<bool>> colorByData;
  boost::shared_ptr<vantor::UndoablePropertyProxy<SurrogateModelUserDistCollection>> distributions;
  boost::shared_ptr<vantor::UndoablePropertyProxy<double>> scalingFactor;
  boost::shared_ptr<vantor::UndoablePropertyProxy<Shape>> shape;

  boost::shared_ptr<DerivedDataScatter3D> derived;

  Impl(ScatterPlot3D& owner,
    boost::shared_ptr<const DataPipelineManagerInterface> p,
    const vtkSmartPointer<vtkRenderWindow>& window,
    boost::shared_ptr<SurrogateModelManagerInterface> surrogates)
    : view(owner)
    , pipeline(std::move(p))
    , renderWindow(window)
    , calculator(boost::make_shared<Scatter3DScaleFactorCalculator>(axes.Get()))
    , surrogateModels(std::move(surrogates))
  {
    if (!renderWindow->GetInteractor())
    {
      vtkNew<vtkRenderWindowInteractor> interactor;
      renderWindow->SetInteractor(interactor);
    }
    interactorStyle = boost::make_shared<InteractorStyle3D>(renderWindow->GetInteractor());
    createProperties();
    renderWindow->AddRenderer(renderer);
    renderer->SetBackground(m_renderBackgroundColor.data());
    buildPipeline();
    setupGlypher();
    selection = boost::make_shared<ScatterPlot3DSelection>(renderer.Get(),
      transform.Get(),
      shape,
      pipeline->selectionMask(),
      boost::make_shared<PlotSelectionModel>(renderWindow->GetInteractor(), view.selectionModel()),
      calculator);
    setDataDependentPropertyDefaults();
    sizing = boost::make_shared<SizingPropertiesSynchronizer>(sizeByData,
      sizeVar,
      scalingFactor,
      selection->sizeByData(),
      selection->sizeVar(),
      selection->scalingFactor());
    legend = boost::make_shared<ColorLegend>(colorVar,
      colorByData,
      pipeline,
      lookupTable.Get(),
      renderWindow->GetInteractor(),
      vtkSmartPointer<NiceLabelsColorBarWidget>::New());
    besideColorBar = std::make_unique<SceneBesideColorBar>(renderWindow, renderer.Get(), legend);
    setupAxesBox();
    initAxes();
    rangeMonitor =
      boost::make_shared<GlyphPositionAdjustingAxisRangeMonitor>(transform.Get(), axisDetails);
  }

  /// The derived data read the view's settings through its accessors, which need this Impl.
  void completeWithDerivedData()
  {
    derived = boost::make_shared<DerivedDataScatter3D>(
      pipeline, transform.Get(), surrogateModels, renderer.Get(), view);
    listenToSignals();
    registerSerializers();
  }

  ~Impl()
  {
    renderWindow->RemoveRenderer(renderer);
    // The filter holds the variable properties, which hold filters downstream of it: a cycle
    // of shared and VTK references that neither count breaks on its own.
    validPoints->setVariables({});
  }

  void createProperties()
  {
    sizeByData =
      undoable<bool>("Size by Data", boost::make_shared<SizeByDataProperty>(glyphMapper.Get()));
    sizeVar = undoable<VariablePtr>(
      "Size Variable", boost::make_shared<SizeDataArrayProperty>(glyphMapper.Get()));
    xVar =
      undoable<VariablePtr>("X Variable", boost::make_shared<xVarProperty>(tableToPoints.Get()));
    yVar =
      undoable<VariablePtr>("Y Variable", boost::make_shared<yVarProperty>(tableToPoints.Get()));
    zVar =
      undoable<VariablePtr>("Z Variable", boost::make_shared<zVarProperty>(tableToPoints.Get()));
    colorVar = undoable<VariablePtr>("Color Variable",
      boost::make_shared<ColorVariableProperty<vtkGlyph3DMapper>>(glyphMapper.Get()));
    color = undoable<QColor>(
      "Color", boost::make_shared<SolidColorProperty<vtkProperty>>(glyphActor->GetProperty()));
    colorByData = undoable<bool>("Color by Variable",
      boost::make_shared<ColorByDataProperty<vtkGlyph3DMapper>>(glyphMapper.Get()));
    distributions = undoable<SurrogateModelUserDistCollection>("Value Distribution",
      boost::make_shared<vantor::Property<SurrogateModelUserDistCollection>>());
    scalingFactor = undoable<double>(
      "Size", boost::make_shared<vantor::Property<double>>(m_defaultScalingFactor));
    shape = undoable<Shape>("Shape",
      boost::make_shared<ShapeProperty3D>(
        boost::make_shared<GlypherProxy>(glyphMapper.Get()), m_defaultShape));
  }

  void buildPipeline()
  {
    numeric->SetInputConnection(pipeline->filteredOutput()->GetOutputPort());
    validPoints->SetInputConnection(numeric->GetOutputPort());
    validPoints->setVariables(variablesThatRequireValidPoints());
    tableToPoints->SetInputConnection(validPoints->GetOutputPort());
    transform->SetInputConnection(tableToPoints->GetOutputPort());
    transform->SetTransform(vtkSmartPointer<vtkTransform>::New());
  }

  std::vector<InvalidPointsFilter::VariableProperty> variablesThatRequireValidPoints() const
  {
    using Relevant = InvalidPointsFilter::RelevanceDependentVariableProperty;
    return { xVar,
      yVar,
      zVar,
      boost::make_shared<Relevant>(sizeByData, sizeVar),
      boost::make_shared<Relevant>(colorByData, colorVar) };
  }

  void setupGlypher()
  {
    glyphMapper->SetScalarModeToUsePointFieldData();
    lookupTable->SetHueRange(0.667, 0.0);
    lookupTable->Build();
    glyphMapper->SetLookupTable(lookupTable);
    // The colour legend sets the table's range to the colour variable's values.
    glyphMapper->UseLookupTableScalarRangeOn();
    glyphMapper->SetInputConnection(transform->GetOutputPort());
    glyphActor->SetMapper(glyphMapper);
  }

  void setDataDependentPropertyDefaults()
  {
    const DefaultVariables defaults(Project::project().variables());
    xVar->setValue(defaults.x);
    yVar->setValue(defaults.y);
    zVar->setValue(defaults.z);
    colorVar->setValue(defaults.color);
    sizeVar->setValue(defaults.size);
    colorByData->setValue(defaults.colorByData);
    sizeByData->setValue(false);
  }

  void setupAxesBox()
  {
    axes->SetCamera(renderer->GetActiveCamera());
    axes->SetFlyModeToOuterEdges();
    axes->SetNumberOfLabels(5);
    axes->UseRangesOn();
    for (vtkTextProperty* text :
      { axes->GetAxisTitleTextProperty(), axes->GetAxisLabelTextProperty() })
    {
      text->SetColor(0.0, 0.0, 0.0);
      text->ShadowOff();
    }
    axes->GetProperty()->SetColor(0.0, 0.0, 0.0);
    renderer->AddViewProp(axes);
    renderer->AddActor(glyphActor);
  }

  void fullRange(double ranges[6])
  {
    tableToPoints->Update();
    vtkPolyData* points = tableToPoints->GetOutput();
    if (points->GetNumberOfPoints() > 0)
      points->GetBounds(ranges);
    else
      std::fill(ranges, ranges + 6, 0.0);
    ZeroLength3DAxesAdjuster(xVar, yVar, zVar).adjust(ranges);
  }

  void initAxes()
  {
    axesVariables = { xVar->value(), yVar->value(), zVar->value() };
    assignAllAxisRanges();
    if (axisDetails.empty())
      for (auto axis :
        { AxisDetailsInterface::X, AxisDetailsInterface::Y, AxisDetailsInterface::Z })
        axisDetails.push_back(boost::make_shared<AxisDetails3D>(axes.Get(), axis));
    setupAxesBoundsAndCamera();
  }

  void assignAllAxisRanges()
  {
    double ranges[6];
    fullRange(ranges);
    axes->SetRanges(ranges);
  }

  void setupAxesBoundsAndCamera()
  {
    assignAxisScaleFactors();
    assignAxesBounds();
    assignAxisTitles();
    resetCamera();
  }

  void axisVarChanged(AxisDetailsInterface::Axis axis)
  {
    axesVariables[axis] = axisVariables()[axis]->value();
    double ranges[6];
    for (int i = 0; i < 3; ++i)
    {
      ranges[2 * i] = axisDetails[static_cast<std::size_t>(i)]->min()->value();
      ranges[2 * i + 1] = axisDetails[static_cast<std::size_t>(i)]->max()->value();
    }
    double full[6];
    fullRange(full);
    ranges[2 * axis] = full[2 * axis];
    ranges[2 * axis + 1] = full[2 * axis + 1];
    axes->SetRanges(ranges);
    setupAxesBoundsAndCamera();
    view.render();
  }

  void assignAxisScaleFactors()
  {
    const double* ranges = axes->GetRanges();
    const double extents[3] = {
      ranges[1] - ranges[0], ranges[3] - ranges[2], ranges[5] - ranges[4]
    };
    const double longest = *std::max_element(extents, extents + 3);
    double scale[3];
    for (int i = 0; i < 3; ++i)
      scale[i] = extents[i] != 0.0 ? longest / extents[i] : 1.0;
    vtkNew<vtkTransform> scaling;
    // Axes are stretched to a common length only when one is far shorter than the longest.
    if (*std::max_element(scale, scale + 3) > 4.0)
      scaling->Scale(scale);
    transform->SetTransform(scaling);
  }

  void assignAxesBounds()
  {
    double scale[3] = { 1.0, 1.0, 1.0 };
    if (auto* current = vtkTransform::SafeDownCast(transform->GetTransform()))
      current->GetScale(scale);
    const double* ranges = axes->GetRanges();
    double bounds[6];
    for (int i = 0; i < 6; ++i)
      bounds[i] = ranges[i] * scale[i / 2];
    axes->SetBounds(bounds);
    updateScatterSize();
  }

  void updateScatterSize()
  {
    const double factor = scalingFactor->value();
    glyphMapper->SetScaleFactor(sizeByData->value() ? factor : calculator->scaleFactor(factor));
    selection->updateOverlaySize();
  }

  void assignAxisTitles()
  {
    const auto name = [](const VariableProperty& property)
    {
      const auto variable = property->value().lock();
      return variable ? variable->name() : std::string();
    };
    axes->SetXLabel(name(xVar).c_str());
    axes->SetYLabel(name(yVar).c_str());
    axes->SetZLabel(name(zVar).c_str());
  }

  void resetCamera()
  {
    vtkCamera* camera = renderer->GetActiveCamera();
    camera->SetViewUp(0.0, 0.0, 1.0);
    camera->SetFocalPoint(0.0, 0.0, 0.0);
    camera->SetPosition(-1.0, -1.0, 0.0);
    camera->Azimuth(30.0);
    camera->Elevation(15.0);
    renderer->ResetCamera();
  }

  void listenToSignals()
  {
    connections.add(pipeline->signalFilteredDataChanged.connect([this] { view.render(); }));
    connections.add(xVar->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVarChanged(AxisDetailsInterface::X); }));
    connections.add(yVar->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVarChanged(AxisDetailsInterface::Y); }));
    connections.add(zVar->signalValueChanged.connect(
      [this](const VariablePtr&) { axisVarChanged(AxisDetailsInterface::Z); }));
    connections.add(
      scalingFactor->signalValueChanged.connect([this](double) { updateScatterSize(); }));
    connections.add(sizeByData->signalValueChanged.connect([this](bool) { updateScatterSize(); }));
    for (const auto& axis : axisDetails)
      connections.add(axis->signalAxisDetailsChanged.connect([this] { updateScatterSize(); }));
    connections.add(
      Project::project().signalVariablesRemoved.connect([this](const TransactionRecord& record)
        { repairVariableProperties(record.removedVariables); }));
  }

  void repairVariableProperties(const std::vector<uint64_t>& removed)
  {
    if (removed.empty())
      return;
    bool axesChanged = false;
    {
      // The replacements follow from the user's removal; they are no step of their own.
      UndoStack::SuspendUndoRecording suspended;
      ConnectionBlocker blocker(connections);
      const DefaultVariables replacement(Project::project().variables());
      const std::pair<VariableProperty, VariablePtr> repairs[] = { { xVar, replacement.x },
        { yVar, replacement.y },
        { zVar, replacement.z },
        { colorVar, replacement.color },
        { sizeVar, replacement.size } };
      for (uint64_t id : removed)
        for (std::size_t i = 0; i < 5; ++i)
        {
          const VariablePtr current = repairs[i].first->value();
          if (current.isNull() || current.id() != id)
            continue;
          repairs[i].first->setValue(repairs[i].second);
          axesChanged |= i < 3;
        }
    }
    if (axesChanged)
    {
      initAxes();
      view.render();
    }
  }

  std::array<VariableProperty, 3> axisVariables() const { return { xVar, yVar, zVar }; }

  /// What a suspended view missed: variables removed, axis variables changed.
  void catchUp()
  {
    repairVariableProperties(staleVariables());
    for (auto axis : { AxisDetailsInterface::X, AxisDetailsInterface::Y, AxisDetailsInterface::Z })
      if (axesVariables[axis] != axisVariables()[axis]->value())
        axisVarChanged(axis);
    updateScatterSize();
  }

  /// Variables removed while the view was suspended, as the repair would have been told.
  std::vector<uint64_t> staleVariables() const
  {
    std::vector<uint64_t> stale;
    for (const auto& property : { xVar, yVar, zVar, colorVar, sizeVar })
    {
      const VariablePtr handle = property->value();
      if (!handle.isNull() && !handle.lock())
        stale.push_back(handle.id());
    }
    return stale;
  }

  void registerSerializers()
  {
    auto& root = dynamic_cast<Serializer&>(view.serializer());
    for (const auto& [key, property] : { std::make_pair("XVar", xVar),
           std::make_pair("YVar", yVar),
           std::make_pair("ZVar", zVar),
           std::make_pair("SizeVar", sizeVar),
           std::make_pair("ColorVar", colorVar) })
      root.addSubElement(boost::make_shared<VariableInfoSerializer>(key, property));
    root.addSubElement(
      boost::make_shared<SurrogateModelUserDistCollectionSerializer>(distributions));
    root.addSubElement(boost::make_shared<GenericSerializer<bool>>("SizeByData", sizeByData));
    root.addSubElement(
      boost::make_shared<GenericSerializer<double>>("ScalingFactor", scalingFactor));
    root.addSubElement(boost::make_shared<QColorSerializer>("Color", color));
    root.addSubElement(boost::make_shared<GenericSerializer<bool>>("ColorByData", colorByData));
    root.addSubElement(legend->serializer());
    root.addSubElement(
      boost::make_shared<GenericSerializer<bool>>("DerivedDataShow", derived->show()));
    root.addSubElement(boost::make_shared<QColorSerializer>("DerivedDataColor", derived->color()));
    root.addSubElement(boost::make_shared<GenericSerializer<uint64_t>>(
      "DerivedDataTranslucency", derived->translucency()));
    root.addSubElement(createShapeSerializer());
    root.addSubElement(boost::make_shared<vtkVnCameraSerializer>(renderer->GetActiveCamera()));
    root.addSubElement(boost::make_shared<AxisDetailsSerializer>(axisDetails));
  }

  boost::shared_ptr<SerializerInterface> createShapeSerializer() const
  {
    NamedValueTranslator<Shape> names;
    names.add(m_sphereShapeName, Sphere).add(m_cubeShapeName, Cube);
    return boost::make_shared<EnumSerializer<Shape>>("Shape", shape, names);
  }

  // A query error switches the surface off without an undo step, and is told once.
  void checkForSurrogateModelFailure()
  {
    if (!derived->show()->value())
      return;
    const std::string error =
      static_cast<SurrogateModelQueryToTable&>(*derived->derivedData()).getLastError();
    if (error.empty())
      return;
    {
      UndoStack::SuspendUndoRecording suspended;
      derived->show()->setValue(false);
    }
    view.signalSurrogateModelError(error);
  }

  bool caseIDAtPoint(uint64_t& caseID)
  {
    vtkRenderWindowInteractor* interactor = renderWindow->GetInteractor();
    const int* position = interactor->GetEventPosition();
    const int tolerance = m_pixelSelectionTolerance;
    vtkNew<vtkRenderedAreaPicker> picker;
    picker->AreaPick(std::max(position[0] - tolerance, 0),
      std::max(position[1] - tolerance, 0),
      position[0] + tolerance,
      position[1] + tolerance,
      renderer);

    vtkNew<vtkExtractSelectedFrustum> extractor;
    extractor->PreserveTopologyOff();
    extractor->SetFieldType(1);
    extractor->SetInputConnection(transform->GetOutputPort());
    extractor->SetFrustum(picker->GetFrustum());
    extractor->Update();
    auto* output = vtkDataSet::SafeDownCast(extractor->GetOutputDataObject(0));
    if (!output || output->GetNumberOfPoints() == 0 ||
        output->GetPointData()->GetNumberOfArrays() == 0)
      return false;
    caseID = caseIdAt(*output->GetPointData()->GetAbstractArray(0), 0);
    return true;
  }
};

ScatterPlot3D::ScatterPlot3D(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  const vtkSmartPointer<vtkRenderWindow>& renderWindow,
  boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), std::move(selectionModel))
{
  UndoStack::SuspendUndoRecording suspended;
  m_impl =
    std::make_unique<Impl>(*this, std::move(pipeline), renderWindow, std::move(surrogateModels));
  m_impl->completeWithDerivedData();
}

ScatterPlot3D::~ScatterPlot3D() = default;

std::string ScatterPlot3D::title() const
{
  return m_impl->title;
}

void ScatterPlot3D::adjustSelectionForMouseClickAtPoint()
{
  DataViewAbstract::adjustSelectionForMouseClickAtPoint();
}

void ScatterPlot3D::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::shared_ptr<ScatterPlot3DInterface>(shared_from_this()));
}

PropertyPtr<DataViewInterface::MouseMode> ScatterPlot3D::mouseMode()
{
  return m_impl->interactorStyle->mouseMode();
}

void ScatterPlot3D::render()
{
  m_impl->renderWindow->Render();
  m_impl->checkForSurrogateModelFailure();
}

void ScatterPlot3D::suspend()
{
  m_impl->connections.block();
  m_impl->legend->suspend();
  m_impl->derived->suspend();
  m_impl->interactorStyle->suspend();
  m_impl->selection->suspend();
}

void ScatterPlot3D::resume()
{
  m_impl->connections.unblock();
  m_impl->legend->resume();
  m_impl->derived->resume();
  m_impl->interactorStyle->resume();
  m_impl->selection->resume();
  m_impl->catchUp();
}

PropertyPtr<VariablePtr> ScatterPlot3D::xVar()
{
  return m_impl->xVar;
}

PropertyPtr<VariablePtr> ScatterPlot3D::yVar()
{
  return m_impl->yVar;
}

PropertyPtr<VariablePtr> ScatterPlot3D::zVar()
{
  return m_impl->zVar;
}

PropertyPtr<VariablePtr> ScatterPlot3D::sizeVar()
{
  return m_impl->sizeVar;
}

PropertyPtr<bool> ScatterPlot3D::sizeByData()
{
  return m_impl->sizeByData;
}

PropertyPtr<double> ScatterPlot3D::scalingFactor()
{
  return m_impl->scalingFactor;
}

PropertyPtr<VariablePtr> ScatterPlot3D::colorVar()
{
  return m_impl->colorVar;
}

PropertyPtr<QColor> ScatterPlot3D::color()
{
  return m_impl->color;
}

PropertyPtr<bool> ScatterPlot3D::colorByData()
{
  return m_impl->colorByData;
}

PropertyPtr<ScatterPlot3DInterface::Shape> ScatterPlot3D::shape()
{
  return m_impl->shape;
}

AxisDetailsList ScatterPlot3D::axisDetails()
{
  return m_impl->axisDetails;
}

PropertyPtr<bool> ScatterPlot3D::derivedDataShow()
{
  return m_impl->derived->show();
}

PropertyPtr<bool> ScatterPlot3D::derivedDataRelevance()
{
  return m_impl->derived->relevance();
}

PropertyPtr<QColor> ScatterPlot3D::derivedDataColor()
{
  return m_impl->derived->color();
}

PropertyPtr<uint64_t> ScatterPlot3D::derivedDataTranslucency()
{
  return m_impl->derived->translucency();
}

PropertyPtr<SurrogateModelUserDistCollection> ScatterPlot3D::surrogateModelUserDistCollection()
{
  return m_impl->distributions;
}

boost::shared_ptr<ColorLegend> ScatterPlot3D::legend()
{
  return m_impl->legend;
}

void ScatterPlot3D::fitData()
{
  m_impl->assignAllAxisRanges();
  m_impl->assignAxisScaleFactors();
  m_impl->assignAxesBounds();
  m_impl->renderer->ResetCamera();
}

boost::shared_ptr<InterpolationVariablesInterface> ScatterPlot3D::getInterpolationVariables()
{
  return m_impl->derived->interpolationVariables();
}

vtkSmartPointer<vtkTableAlgorithm> ScatterPlot3D::derivedData()
{
  return m_impl->derived->derivedData();
}

vtkSmartPointer<vtkRenderWindow> ScatterPlot3D::renderWindow()
{
  return m_impl->renderWindow;
}

vtkRenderer& ScatterPlot3D::renderer() const
{
  return *m_impl->renderer;
}

vtkTransformPolyDataFilter& ScatterPlot3D::positions() const
{
  return *m_impl->transform;
}

bool ScatterPlot3D::caseIDAtPoint(uint64_t& caseID)
{
  return m_impl->caseIDAtPoint(caseID);
}
