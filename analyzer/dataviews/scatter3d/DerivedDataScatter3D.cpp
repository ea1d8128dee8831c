#include "analyzer/dataviews/scatter3d/DerivedDataScatter3D.h"

#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/scatter3d/DerivedDataRelevanceProperty3D.h"
#include "analyzer/dataviews/scatter3d/GlyphMapperProperties.h"
#include "analyzer/dataviews/scatter3d/Scatter3DInterpolationVariables.h"
#include "analyzer/dataviews/scatter3d/ShowDerivedDataProperty.h"
#include "analyzer/dataviews/scatter3d/TableToStructuredGridAlgorithm.h"
#include "host/project/Variable.h"
#include "host/surrogate/NoSurrogateModels.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/PropertyInstantiations.h"

#include <boost/make_shared.hpp>
#include <vtkActor.h>
#include <vtkInformationVector.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataNormals.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkStructuredGridGeometryFilter.h>
#include <vtkTransformPolyDataFilter.h>

namespace
{

constexpr uint64_t initialTranslucency = 50;

/// The surface's copy of the view's transform. Without a model the grid is empty, which is no
/// error here: the view reports the query's own error.
class SurfaceTransformFilter : public vtkTransformPolyDataFilter
{
public:
  vtkTypeMacro(SurfaceTransformFilter, vtkTransformPolyDataFilter);
  static SurfaceTransformFilter* New();

protected:
  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override
  {
    vtkPolyData* input = vtkPolyData::GetData(inputVector[0], 0);
    if (input && input->GetNumberOfPoints() > 0)
      return Superclass::RequestData(request, inputVector, outputVector);
    vtkPolyData::GetData(outputVector, 0)->Initialize();
    return 1;
  }
};

vtkStandardNewMacro(SurfaceTransformFilter);

} // namespace

DerivedDataScatter3D::DerivedDataScatter3D(boost::shared_ptr<const DataPipelineManagerInterface>,
  vtkSmartPointer<vtkTransformPolyDataFilter> viewTransform,
  boost::shared_ptr<const SurrogateModelManagerInterface> surrogateModels,
  vtkSmartPointer<vtkRenderer> renderer,
  ScatterPlot3DInterface& view)
  : m_viewTransform(std::move(viewTransform))
  , m_renderer(std::move(renderer))
  , m_view(&view)
  , m_surfaceTransform(vtkSmartPointer<SurfaceTransformFilter>::New())
  , m_transformObserver(vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New([this] { followViewTransform(); })))
  , m_queryObserver(vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New([this] { m_view->render(); })))
{
  const PropertyPtr<VariablePtr> axes[] = { view.xVar(), view.yVar(), view.zVar() };
  for (int axis = 0; axis < 3; ++axis)
    m_connections.add(axes[axis]->signalValueChanged.connect(
      [this, axis](const VariablePtr&) { updateColumn(axis); }));
  build(surrogateModels ? surrogateModels : boost::make_shared<const NoSurrogateModels>());
  for (int axis = 0; axis < 3; ++axis)
    updateColumn(axis);
  followViewTransform();
  observe();
}

DerivedDataScatter3D::~DerivedDataScatter3D()
{
  m_viewTransform->RemoveObserver(m_transformTag);
  m_query->RemoveObserver(m_queryTag);
}

void DerivedDataScatter3D::build(
  const boost::shared_ptr<const SurrogateModelManagerInterface>& surrogateModels)
{
  ScatterPlot3DInterface& view = *m_view;
  m_relevance = boost::make_shared<DerivedDataRelevanceProperty3D>(surrogateModels,
    view.xVar(),
    view.yVar(),
    view.zVar(),
    view.colorVar(),
    view.colorByData(),
    view.sizeVar(),
    view.sizeByData());
  m_interpolationVariables = boost::make_shared<Scatter3DInterpolationVariables>(
    surrogateModels, view, resolution, InterpolationVariablesAbstract::gridFlag);
  m_query = vtkSmartPointer<SurrogateModelQueryToTable>::Take(
    SurrogateModelQueryToTable::New(surrogateModels, m_interpolationVariables));

  m_grid = vtkSmartPointer<TableToStructuredGridAlgorithm>::New();
  m_grid->setGridVariables(surrogateModels, m_interpolationVariables);
  m_grid->setResolution(resolution);
  m_grid->setDistributionCollection(view.surrogateModelUserDistCollection().get());
  m_grid->SetInputConnection(m_query->GetOutputPort());

  vtkNew<vtkStructuredGridGeometryFilter> geometry;
  geometry->SetInputConnection(m_grid->GetOutputPort());
  m_surfaceTransform->SetInputConnection(geometry->GetOutputPort());
  vtkNew<vtkPolyDataNormals> normals;
  normals->SetInputConnection(m_surfaceTransform->GetOutputPort());
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputConnection(normals->GetOutputPort());
  mapper->ScalarVisibilityOff();
  vtkNew<vtkActor> surface;
  surface->SetMapper(mapper);
  surface->GetProperty()->SetInterpolationToGouraud();

  m_show = boost::make_shared<vantor::UndoablePropertyProxy<bool>>("Show Surrogate Model",
    boost::make_shared<ShowDerivedDataProperty>(m_relevance, m_renderer, surface.Get()));
  vtkSmartPointer<vtkProperty> surfaceProperty = surface->GetProperty();
  m_color = boost::make_shared<vantor::UndoablePropertyProxy<QColor>>(
    "Surrogate Model Color", boost::make_shared<SolidColorProperty<vtkProperty>>(surfaceProperty));
  auto translucency = boost::make_shared<TranslucencyProperty<vtkProperty>>(surfaceProperty);
  translucency->setValue(initialTranslucency);
  auto translucencyProxy =
    boost::make_shared<vantor::UndoablePropertyProxy<uint64_t>>("Translucency", translucency);
  translucencyProxy->setMergeId(UndoStack().nextUndoID());
  m_translucency = translucencyProxy;
}

void DerivedDataScatter3D::updateColumn(int axis)
{
  const PropertyPtr<VariablePtr> property = axis == 0   ? m_view->xVar()
                                            : axis == 1 ? m_view->yVar()
                                                        : m_view->zVar();
  const auto variable = property->value().lock();
  const char* name = variable ? variable->name().c_str() : nullptr;
  if (axis == 0)
    m_grid->SetXColumn(name);
  else if (axis == 1)
    m_grid->SetYColumn(name);
  else
    m_grid->SetZColumn(name);
}

void DerivedDataScatter3D::followViewTransform()
{
  m_surfaceTransform->SetTransform(m_viewTransform->GetTransform());
}

void DerivedDataScatter3D::observe()
{
  m_transformTag = m_viewTransform->AddObserver(vtkCommand::ModifiedEvent, m_transformObserver);
  m_queryTag = m_query->AddObserver(vtkCommand::ModifiedEvent, m_queryObserver);
}

void DerivedDataScatter3D::suspend()
{
  m_connections.block();
  m_relevance->suspend();
  m_interpolationVariables->suspend();
  m_viewTransform->RemoveObserver(m_transformTag);
  m_query->RemoveObserver(m_queryTag);
}

void DerivedDataScatter3D::resume()
{
  m_connections.unblock();
  m_relevance->resume();
  m_interpolationVariables->resume();
  observe();
  for (int axis = 0; axis < 3; ++axis)
    updateColumn(axis);
  followViewTransform();
}

vtkSmartPointer<vtkTableAlgorithm> DerivedDataScatter3D::derivedData()
{
  return m_query;
}

PropertyPtr<bool> DerivedDataScatter3D::show()
{
  return m_show;
}

boost::shared_ptr<DerivedDataRelevanceProperty3D> DerivedDataScatter3D::relevance()
{
  return m_relevance;
}

PropertyPtr<QColor> DerivedDataScatter3D::color()
{
  return m_color;
}

PropertyPtr<uint64_t> DerivedDataScatter3D::translucency()
{
  return m_translucency;
}
