#include "analyzer/dataviews/scatter3d/SceneBesideColorBar.h"

#include "host/plotsupport/ColorLegend.h"
#include "host/plotsupport/NiceLabelsColorBarWidget.h"
#include "host/vtkutil/vtkVnCommandProxy.h"

#include <vtkCamera.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkScalarBarRepresentation.h>
#include <vtkTransform.h>

namespace
{

/// Room left between the scene and the bar, as a fraction of the window's width.
const double gap = 0.03;

} // namespace

SceneBesideColorBar::SceneBesideColorBar(vtkSmartPointer<vtkRenderWindow> window,
  vtkSmartPointer<vtkRenderer> renderer,
  boost::shared_ptr<const ColorLegend> legend)
  : m_window(std::move(window))
  , m_renderer(std::move(renderer))
  , m_legend(std::move(legend))
{
  // Renders of the window itself (expose, resize, the mouse) count too, not only the view's.
  m_renderObserver = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { update(); })));
  m_renderObserverTag = m_window->AddObserver(vtkCommand::StartEvent, m_renderObserver);
}

SceneBesideColorBar::~SceneBesideColorBar()
{
  m_window->RemoveObserver(m_renderObserverTag);
  vtkCamera* camera = m_renderer->GetActiveCamera();
  if (camera->GetUserTransform() == m_squeeze.Get())
    camera->SetUserTransform(nullptr);
}

double SceneBesideColorBar::sceneWidth() const
{
  if (!m_legend->isShown())
    return 1.0;
  auto* bar = vtkScalarBarRepresentation::SafeDownCast(m_legend->widget().GetRepresentation());
  const double left = bar->GetPosition()[0];
  // A bar the user put elsewhere leaves the scene where it is.
  return left > 0.5 ? left - gap : 1.0;
}

void SceneBesideColorBar::update()
{
  const double width = sceneWidth();
  vtkCamera* camera = m_renderer->GetActiveCamera();
  if (width == 1.0)
  {
    if (camera->GetUserTransform() == m_squeeze.Get())
      camera->SetUserTransform(nullptr);
    return;
  }
  if (width != m_squeezedTo)
  {
    // In clip coordinates, after the projection: x from [-1, 1] onto [-1, 2 width - 1], y
    // shrunk alike about the middle, so that the picture keeps its proportions.
    m_squeeze->Identity();
    m_squeeze->Translate(width - 1.0, 0.0, 0.0);
    m_squeeze->Scale(width, width, 1.0);
    m_squeezedTo = width;
    camera->Modified();
  }
  if (camera->GetUserTransform() != m_squeeze.Get())
    camera->SetUserTransform(m_squeeze);
}
