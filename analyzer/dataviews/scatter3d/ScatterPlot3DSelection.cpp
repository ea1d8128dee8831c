#include "analyzer/dataviews/scatter3d/ScatterPlot3DSelection.h"

#include "analyzer/dataviews/scatter3d/GlyphMapperProperties.h"
#include "analyzer/dataviews/scatter3d/GlypherProxy.h"
#include "analyzer/dataviews/scatter3d/Scatter3DScaleFactorCalculator.h"
#include "analyzer/dataviews/scatter3d/ShapeProperty3D.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/plotsupport/PlotSelectionModel.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/PropertyInstantiations.h"

#include <vtkAbstractArray.h>
#include <vtkActor.h>
#include <vtkDataSet.h>
#include <vtkExtractSelectedFrustum.h>
#include <vtkGlyph3DMapper.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkPlanes.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderedAreaPicker.h>
#include <vtkRenderer.h>
#include <vtkTransformPolyDataFilter.h>

namespace
{

uint64_t caseIdAt(vtkAbstractArray& ids, vtkIdType index)
{
  // Case ids are stored as the bits of unsigned 64-bit numbers.
  if (auto* typed = vtkArrayDownCast<vtkIdTypeArray>(&ids))
    return static_cast<uint64_t>(typed->GetValue(index));
  return ids.GetVariantValue(index).ToTypeUInt64();
}

} // namespace

struct ScatterPlot3DSelection::Impl
{
  boost::shared_ptr<SizeByDataProperty> sizeByData;
  boost::shared_ptr<SizeDataArrayProperty> sizeVar;
  boost::shared_ptr<vantor::Property<double>> scalingFactor;
  boost::shared_ptr<ShapeProperty3D> shape;
  SignalConnectionCollection connections;
  vtkSmartPointer<vtkAbstractArray> selectionMask;
  vtkSmartPointer<vtkVnCommandProxy> pickCommand;
  vtkSmartPointer<vtkVnCommandProxy> modifiedCommand;
  unsigned long pickObservation = 0;
  unsigned long modifiedObservation = 0;
  vtkSmartPointer<vtkRenderer> renderer;
  vtkSmartPointer<vtkTransformPolyDataFilter> positions;
  boost::shared_ptr<PlotSelectionModel> selectionModel;
  vtkNew<vtkGlyph3DMapper> mapper;
  vtkNew<vtkActor> actor;
  boost::shared_ptr<Scatter3DScaleFactorCalculator> calculator;
  vtkNew<vtkRenderedAreaPicker> picker;
  bool suspended = false;

  vtkRenderWindowInteractor* interactor() const
  {
    vtkRenderWindow* window = renderer->GetRenderWindow();
    return window ? window->GetInteractor() : nullptr;
  }

  void observePicks()
  {
    if (vtkRenderWindowInteractor* events = interactor())
      pickObservation = events->AddObserver(vtkCommand::EndPickEvent, pickCommand);
  }

  void stopObservingPicks()
  {
    if (vtkRenderWindowInteractor* events = interactor())
      events->RemoveObserver(pickObservation);
  }
};

ScatterPlot3DSelection::ScatterPlot3DSelection(vtkSmartPointer<vtkRenderer> renderer,
  vtkSmartPointer<vtkTransformPolyDataFilter> positions,
  boost::shared_ptr<vantor::PropertyAbstract<ScatterPlot3DInterface::Shape>> shape,
  vtkSmartPointer<vtkAbstractArray> selectionMask,
  boost::shared_ptr<PlotSelectionModel> selectionModel,
  boost::shared_ptr<Scatter3DScaleFactorCalculator> calculator)
  : m_impl(std::make_unique<Impl>())
{
  Impl& d = *m_impl;
  d.renderer = std::move(renderer);
  d.positions = std::move(positions);
  d.selectionMask = std::move(selectionMask);
  d.selectionModel = std::move(selectionModel);
  d.calculator = std::move(calculator);

  d.sizeByData = boost::make_shared<SizeByDataProperty>(d.mapper.Get());
  d.sizeVar = boost::make_shared<SizeDataArrayProperty>(d.mapper.Get());
  d.scalingFactor = boost::make_shared<vantor::Property<double>>(1.0);
  d.shape = boost::make_shared<ShapeProperty3D>(
    boost::make_shared<GlypherProxy>(d.mapper.Get()), ScatterPlot3DInterface::Sphere);

  d.mapper->SetInputConnection(d.positions->GetOutputPort());
  d.mapper->MaskingOn();
  d.mapper->SetMaskArray(d.selectionMask->GetName());
  d.mapper->ScalarVisibilityOff();
  d.actor->SetMapper(d.mapper);
  d.actor->GetProperty()->SetOpacity(0.35);
  d.actor->GetProperty()->SetColor(0.0, 0.0, 0.0);
  d.renderer->AddActor(d.actor);

  d.pickCommand.TakeReference(vtkVnCommandProxy::New([this] { onPick(); }));
  d.modifiedCommand.TakeReference(vtkVnCommandProxy::New([this] { onMaskModified(); }));
  d.observePicks();
  d.modifiedObservation =
    d.selectionMask->AddObserver(vtkCommand::ModifiedEvent, d.modifiedCommand);
  if (vtkRenderWindowInteractor* events = d.interactor())
    events->SetPicker(d.picker);

  d.shape->setValue(shape->value());
  d.connections.add(shape->signalValueChanged.connect(
    [this](ScatterPlot3DInterface::Shape value) { m_impl->shape->setValue(value); }));
  d.connections.add(
    d.scalingFactor->signalValueChanged.connect([this](double) { updateOverlaySize(); }));
  d.connections.add(
    d.sizeByData->signalValueChanged.connect([this](bool) { updateOverlaySize(); }));
}

ScatterPlot3DSelection::~ScatterPlot3DSelection()
{
  m_impl->stopObservingPicks();
  m_impl->selectionMask->RemoveObserver(m_impl->modifiedObservation);
  m_impl->renderer->RemoveActor(m_impl->actor);
}

void ScatterPlot3DSelection::suspend()
{
  if (m_impl->suspended)
    return;
  m_impl->suspended = true;
  m_impl->connections.block();
  m_impl->selectionMask->RemoveObserver(m_impl->modifiedObservation);
  m_impl->stopObservingPicks();
}

void ScatterPlot3DSelection::resume()
{
  if (!m_impl->suspended)
    return;
  m_impl->suspended = false;
  m_impl->connections.unblock();
  m_impl->modifiedObservation =
    m_impl->selectionMask->AddObserver(vtkCommand::ModifiedEvent, m_impl->modifiedCommand);
  m_impl->observePicks();
  // The selection may have changed meanwhile.
  m_impl->mapper->Modified();
}

boost::shared_ptr<vantor::PropertyAbstract<bool>> ScatterPlot3DSelection::sizeByData() const
{
  return m_impl->sizeByData;
}

boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> ScatterPlot3DSelection::sizeVar()
  const
{
  return m_impl->sizeVar;
}

boost::shared_ptr<vantor::PropertyAbstract<double>> ScatterPlot3DSelection::scalingFactor() const
{
  return m_impl->scalingFactor;
}

boost::shared_ptr<vantor::PropertyAbstract<ScatterPlot3DInterface::Shape>>
ScatterPlot3DSelection::shape() const
{
  return m_impl->shape;
}

vtkActor& ScatterPlot3DSelection::overlayActor() const
{
  return *m_impl->actor;
}

std::set<uint64_t> ScatterPlot3DSelection::casesInFrustum(vtkTransformPolyDataFilter& positions,
  vtkPlanes& frustum)
{
  positions.Update();
  vtkPolyData* drawn = positions.GetOutput();
  std::set<uint64_t> cases;
  if (drawn->GetPointData()->GetNumberOfArrays() == 0)
    return cases;
  // Only the positions and the case ids go through the extraction, not every column.
  vtkNew<vtkPolyData> centres;
  centres->SetPoints(drawn->GetPoints());
  centres->GetPointData()->AddArray(drawn->GetPointData()->GetAbstractArray(0));
  vtkNew<vtkExtractSelectedFrustum> extractor;
  extractor->PreserveTopologyOff();
  extractor->SetFieldType(1);
  extractor->SetInputData(centres);
  extractor->SetFrustum(&frustum);
  extractor->Update();

  auto* output = vtkDataSet::SafeDownCast(extractor->GetOutputDataObject(0));
  if (!output || output->GetPointData()->GetNumberOfArrays() == 0)
    return cases;
  vtkAbstractArray* ids = output->GetPointData()->GetAbstractArray(0);
  for (vtkIdType i = 0; i < ids->GetNumberOfTuples(); ++i)
    cases.insert(cases.end(), caseIdAt(*ids, i));
  return cases;
}

void ScatterPlot3DSelection::updateOverlaySize()
{
  const double factor = m_impl->scalingFactor->value();
  m_impl->mapper->SetScaleFactor(
    m_impl->sizeByData->value() ? factor : m_impl->calculator->scaleFactor(factor));
}

void ScatterPlot3DSelection::onPick()
{
  m_impl->selectionModel->setSelection(
    casesInFrustum(*m_impl->positions, *m_impl->picker->GetFrustum()));
}

void ScatterPlot3DSelection::onMaskModified()
{
  m_impl->mapper->Modified();
  m_impl->positions->Update();
  if (vtkRenderWindow* window = m_impl->renderer->GetRenderWindow())
    window->Render();
}
