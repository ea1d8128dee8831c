#include "analyzer/dataviews/DataViewManager.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/PointSpriteBugFixingRenderWindow.h"
#include "analyzer/dataviews/image/ImageDiffView.h"
#include "analyzer/dataviews/image/ImageMatrixView.h"
#include "analyzer/dataviews/image/SelectedImageView.h"
#include "analyzer/dataviews/line/LinePlot.h"
#include "analyzer/dataviews/scatter2d/ScatterPlot2D.h"
#include "analyzer/dataviews/scatter3d/ScatterPlot3D.h"
#include "analyzer/dataviews/table/SelectedCasesView.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/core/GenericUndoCommand.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/viewsupport/ImageCache.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "host/viewsupport/TagGroupCollection.h"

#include <QVTKInteractor.h>
#include <QVTKOpenGLNativeWidget.h>
#include <QWidget>
#include <algorithm>
#include <boost/make_shared.hpp>
#include <vtkNew.h>
#include <vtkOpenGLRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkSmartPointer.h>

DataViewManager::DataViewManager(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels,
  boost::shared_ptr<SelectionModelInterface> selectionModel)
  : m_pipeline(std::move(pipeline))
  , m_surrogateModels(std::move(surrogateModels))
  , m_selectionModel(std::move(selectionModel))
  , m_imageCache(std::make_unique<ImageCache>())
  , m_tagGroups(boost::make_shared<TagGroupCollection>())
  , m_selectionColor(255, 50, 0, 255)
{
  vtkOpenGLRenderWindow::SetGlobalMaximumNumberOfMultiSamples(4);
}

// Members go in reverse order of declaration: the views, then the container widgets, then the
// services; the DeleteSignaler base goes last and tells the undo commands to let go.
DataViewManager::~DataViewManager() = default;

boost::shared_ptr<ScatterPlot3DInterface> DataViewManager::add3DScatterView()
{
  vtkSmartPointer<vtkRenderWindow> window = createRenderWindow();
  auto view =
    boost::make_shared<ScatterPlot3D>(m_pipeline, m_selectionModel, window, m_surrogateModels);
  addConstructedView(view, *window);
  return view;
}

boost::shared_ptr<TableViewInterface> DataViewManager::addTableView()
{
  auto container = std::make_unique<QWidget>();
  auto view = boost::make_shared<TableView>(m_pipeline, m_selectionModel, *container);
  addConstructedView(view, std::move(container));
  return view;
}

boost::shared_ptr<SelectedCasesViewInterface> DataViewManager::addSelectedCasesView(QWidget& parent)
{
  if (m_selectedCasesView)
    return m_selectedCasesView;
  m_selectedCasesView = boost::make_shared<SelectedCasesView>(m_pipeline, m_selectionModel, parent);
  m_views.push_back(m_selectedCasesView);
  signalViewCreated(&parent, m_selectedCasesView);
  return m_selectedCasesView;
}

boost::shared_ptr<ImageMatrixViewInterface> DataViewManager::addImageView()
{
  auto container = std::make_unique<QWidget>();
  auto view = boost::make_shared<ImageMatrixView>(*container,
    m_pipeline,
    m_selectionModel,
    imageLoader(),
    boost::make_shared<ImageMatrixViewProperties>());
  addConstructedView(view, std::move(container));
  return view;
}

boost::shared_ptr<SelectedImageViewInterface> DataViewManager::addSelectedImageView(
  const std::set<uint64_t>& caseIds)
{
  auto container = std::make_unique<QWidget>();
  auto view = boost::make_shared<SelectedImageView>(
    *container, caseIds, m_selectionModel, imageLoader(), m_pipeline->unfilteredOutput());
  addConstructedView(view, std::move(container));
  return view;
}

boost::shared_ptr<ImageDiffViewInterface> DataViewManager::addImageDiffView(AuxFilePtr baseImage,
  const std::vector<AuxFilePtr>& images,
  bool flag,
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<VariablePtr>>> variables)
{
  auto container = std::make_unique<QWidget>();
  auto view = boost::make_shared<ImageDiffView>(
    *container, baseImage, images, flag, std::move(variables), imageLoader(), *this);
  addConstructedView(view, std::move(container));
  return view;
}

boost::shared_ptr<ScatterPlot2DInterface> DataViewManager::add2DScatterView()
{
  vtkSmartPointer<vtkRenderWindow> window = createRenderWindow();
  auto view = boost::make_shared<ScatterPlot2D>(m_pipeline, m_selectionModel, *window);
  view->setSelectionColor(m_selectionColor);
  addConstructedView(view, *window);
  return view;
}

boost::shared_ptr<LinePlotInterface> DataViewManager::addLinePlot()
{
  vtkSmartPointer<vtkRenderWindow> window = createRenderWindow();
  auto view =
    boost::make_shared<LinePlot>(m_pipeline, m_selectionModel, *window, m_surrogateModels);
  view->setSelectionColor(m_selectionColor);
  addConstructedView(view, *window);
  return view;
}

std::vector<boost::shared_ptr<DataViewInterface>> DataViewManager::dataViews() const
{
  return m_views;
}

void DataViewManager::removeView(boost::shared_ptr<DataViewInterface> view)
{
  auto listed = std::find(m_views.begin(), m_views.end(), view);
  if (listed == m_views.end())
    return;
  m_views.erase(listed);
  signalViewRemoved(view);
  view->suspend();

  const QString text = QStringLiteral("Delete ") + QString::fromStdString(view->title());
  UndoStack().push(new GenericUndoCommand([this, view] { removeView(view); },
    [this, view] { restoreView(view); },
    *this,
    text,
    -1,
    nullptr));
}

void DataViewManager::restoreView(boost::shared_ptr<DataViewInterface> view)
{
  if (isListed(view))
    return;
  m_views.push_back(view);
  signalViewCreated(m_widgets[view].get(), view);
  view->resume();
}

boost::shared_ptr<ImageFileLoaderInterface> DataViewManager::imageLoader() const
{
  return m_imageCache->imageLoader();
}

boost::shared_ptr<TagGroupCollection> DataViewManager::tagGroupCollection() const
{
  return m_tagGroups;
}

void DataViewManager::setSelectionColor(const QColor& color)
{
  m_selectionColor = color;
}

void DataViewManager::addConstructedView(boost::shared_ptr<DataViewInterface> view,
  std::unique_ptr<QWidget> container)
{
  m_views.push_back(view);
  QWidget& widget = *container.release();
  registerDataView(view, widget);
  signalViewCreated(&widget, view);
}

void DataViewManager::addConstructedView(boost::shared_ptr<DataViewInterface> view,
  vtkRenderWindow& window)
{
  m_views.push_back(view);
  QWidget& widget = *createVTKDrawable(window);
  registerDataView(view, widget);
  signalViewCreated(&widget, view);
}

vtkSmartPointer<vtkRenderWindow> DataViewManager::createRenderWindow()
{
  vtkSmartPointer<vtkRenderWindow> window =
    vtkSmartPointer<PointSpriteBugFixingRenderWindow>::New();
  vtkNew<QVTKInteractor> interactor;
  window->SetInteractor(interactor);
  return window;
}

QWidget* DataViewManager::createVTKDrawable(vtkRenderWindow& window)
{
  auto* widget = new QVTKOpenGLNativeWidget();
  widget->setRenderWindow(&window);
  // The widget initialises only interactors it creates itself; ours would otherwise initialise
  // on the first render, outside the widget's context, and draw nothing.
  vtkRenderWindowInteractor* interactor = window.GetInteractor();
  if (interactor && !interactor->GetInitialized())
    interactor->Initialize();
  return widget;
}

void DataViewManager::registerDataView(boost::shared_ptr<DataViewInterface> view, QWidget& widget)
{
  m_widgets[view] = boost::shared_ptr<QWidget>(&widget);

  const QString text = QStringLiteral("Add ") + QString::fromStdString(view->title());
  UndoStack().push(new GenericUndoCommand([this, view] { restoreView(view); },
    [this, view] { removeView(view); },
    *this,
    text,
    -1,
    nullptr));
}

bool DataViewManager::isListed(const boost::shared_ptr<DataViewInterface>& view) const
{
  return std::find(m_views.begin(), m_views.end(), view) != m_views.end();
}
