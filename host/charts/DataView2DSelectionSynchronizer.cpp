#include "host/charts/DataView2DSelectionSynchronizer.h"

#include "host/plotsupport/PlotSelectionModel.h"
#include "host/viewsupport/SelectionModelInterface.h"
#include "host/vtkutil/vtkVnCommandProxy.h"

#include <algorithm>
#include <set>
#include <vtkChartXY.h>
#include <vtkCommand.h>
#include <vtkContextMouseEvent.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkPlot.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkTable.h>

namespace
{

// Mouse observers around the chart's own (the context interactor style observes at priority 0).
const float beforeChartPriority = 2.0f;
const float afterChartPriority = -2.0f;
const unsigned long mouseEvents[] = { vtkCommand::LeftButtonPressEvent,
  vtkCommand::MouseMoveEvent,
  vtkCommand::LeftButtonReleaseEvent };

vtkAbstractArray* caseIds(vtkPlot* plot)
{
  vtkTable* table = plot->GetInput();
  return table && table->GetNumberOfColumns() > 0 ? table->GetColumn(0) : nullptr;
}

} // namespace

DataView2DSelectionSynchronizer::DataView2DSelectionSynchronizer(vtkSmartPointer<vtkChartXY> chart,
  boost::shared_ptr<PlotSelectionModel> plotSelectionModel)
  : m_chart(std::move(chart))
  , m_plotSelectionModel(std::move(plotSelectionModel))
{
  m_chart->SetSelectionMethod(vtkChart::SELECTION_PLOTS);
  m_observer = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { chartSelectionMade(); })));
  m_beforeChart = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::EventCallback(
      [this](vtkObject*, unsigned long event, void*) { beforeChart(event); })));
  m_afterChart = vtkSmartPointer<vtkVnCommandProxy>::Take(
    vtkVnCommandProxy::New(vtkVnCommandProxy::EventCallback(
      [this](vtkObject*, unsigned long event, void*) { afterChart(event); })));
  resume();
}

DataView2DSelectionSynchronizer::~DataView2DSelectionSynchronizer()
{
  suspend();
}

void DataView2DSelectionSynchronizer::setPlotsToSynchronize(
  const std::vector<vtkSmartPointer<vtkPlot>>& plots)
{
  m_plots = plots;
}

void DataView2DSelectionSynchronizer::setPointPicker(boost::function<bool(uint64_t&)> picker)
{
  m_picker = std::move(picker);
}

void DataView2DSelectionSynchronizer::updateChartSelections()
{
  const std::vector<uint64_t>& selected =
    m_plotSelectionModel->selectionModel()->sortedSelections();
  for (const auto& plot : m_plots)
  {
    vtkNew<vtkIdTypeArray> points;
    vtkAbstractArray* ids = caseIds(plot);
    const vtkIdType rows = ids && !selected.empty() ? ids->GetNumberOfTuples() : 0;
    for (vtkIdType row = 0; row < rows; ++row)
      if (std::binary_search(
            selected.begin(), selected.end(), ids->GetVariantValue(row).ToTypeUInt64()))
        points->InsertNextValue(row);
    plot->SetSelection(points);
  }
}

void DataView2DSelectionSynchronizer::chartSelectionMade()
{
  std::set<uint64_t> picked;
  for (const auto& plot : m_plots)
  {
    vtkIdTypeArray* points = plot->GetSelection();
    vtkAbstractArray* ids = caseIds(plot);
    if (!points || !ids)
      continue;
    for (vtkIdType i = 0; i < points->GetNumberOfTuples(); ++i)
      if (points->GetValue(i) < ids->GetNumberOfTuples())
        picked.insert(ids->GetVariantValue(points->GetValue(i)).ToTypeUInt64());
  }
  // During a drag the chart sees no keys: the band combines by those held at its start.
  if (m_pressed)
    m_plotSelectionModel->combine(picked, m_combination);
  else
    m_plotSelectionModel->setSelection(picked);
  updateChartSelections();
  signalSelectionChanged();
}

void DataView2DSelectionSynchronizer::beforeChart(unsigned long event)
{
  vtkRenderWindowInteractor* interactor = m_plotSelectionModel->interactor();
  if (event == vtkCommand::LeftButtonPressEvent)
  {
    m_pressed = true;
    m_moved = false;
    m_combination = PlotSelectionModel::combinationFor(
      interactor->GetShiftKey() != 0, interactor->GetControlKey() != 0);
    interactor->GetEventPosition(m_pressPosition);
  }
  else if (event == vtkCommand::MouseMoveEvent && m_pressed)
  {
    const int* position = interactor->GetEventPosition();
    m_moved = m_moved || position[0] != m_pressPosition[0] || position[1] != m_pressPosition[1];
  }
  m_keys[0] = interactor->GetShiftKey();
  m_keys[1] = interactor->GetControlKey();
  interactor->SetShiftKey(0);
  interactor->SetControlKey(0);
}

void DataView2DSelectionSynchronizer::afterChart(unsigned long event)
{
  vtkRenderWindowInteractor* interactor = m_plotSelectionModel->interactor();
  interactor->SetShiftKey(m_keys[0]);
  interactor->SetControlKey(m_keys[1]);
  if (event != vtkCommand::LeftButtonReleaseEvent || !m_pressed)
    return;
  const int* position = interactor->GetEventPosition();
  const bool moved =
    m_moved || position[0] != m_pressPosition[0] || position[1] != m_pressPosition[1];
  if (!moved && selectsWithLeftButton())
    clicked();
  m_pressed = false;
}

void DataView2DSelectionSynchronizer::clicked()
{
  uint64_t caseId = 0;
  if (m_picker && m_picker(caseId))
    m_plotSelectionModel->combine({ caseId }, m_combination);
  else if (m_combination == PlotSelectionModel::Replace)
    m_plotSelectionModel->combine({}, m_combination);
  else
    return;
  updateChartSelections();
  signalSelectionChanged();
}

bool DataView2DSelectionSynchronizer::selectsWithLeftButton() const
{
  return m_chart->GetActionToButton(vtkChart::SELECT) == vtkContextMouseEvent::LEFT_BUTTON;
}

void DataView2DSelectionSynchronizer::suspend()
{
  if (m_suspended)
    return;
  m_chart->RemoveObserver(m_observerTag);
  if (vtkRenderWindowInteractor* interactor = m_plotSelectionModel->interactor())
    for (unsigned long tag : m_mouseTags)
      interactor->RemoveObserver(tag);
  m_mouseTags.clear();
  m_pressed = false;
  m_suspended = true;
}

void DataView2DSelectionSynchronizer::resume()
{
  if (!m_suspended)
    return;
  m_observerTag = m_chart->AddObserver(vtkCommand::SelectionChangedEvent, m_observer);
  if (vtkRenderWindowInteractor* interactor = m_plotSelectionModel->interactor())
    for (unsigned long event : mouseEvents)
    {
      m_mouseTags.push_back(interactor->AddObserver(event, m_beforeChart, beforeChartPriority));
      m_mouseTags.push_back(interactor->AddObserver(event, m_afterChart, afterChartPriority));
    }
  m_suspended = false;
}
