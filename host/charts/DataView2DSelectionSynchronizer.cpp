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

/// Answers whether a case is selected: one bit per id over the selection's span when that is
/// not much wider than the rows asked about (a bit test per row, as a shared selection of
/// numbered cases usually is), else a binary search of the ascending ids.
class SelectedIds
{
public:
  SelectedIds(const std::vector<uint64_t>& ascending, vtkIdType rows)
    : m_ids(ascending)
  {
    if (ascending.empty())
      return;
    m_first = ascending.front();
    const uint64_t span = ascending.back() - m_first;
    if (span / 8 > static_cast<uint64_t>(rows) + ascending.size())
      return;
    m_bits.assign(static_cast<std::size_t>(span / 64 + 1), 0);
    for (uint64_t id : ascending)
      m_bits[(id - m_first) / 64] |= uint64_t(1) << ((id - m_first) % 64);
  }

  bool contains(uint64_t id) const
  {
    if (m_bits.empty())
      return std::binary_search(m_ids.begin(), m_ids.end(), id);
    const uint64_t offset = id - m_first;
    return id >= m_first && offset / 64 < m_bits.size() &&
           (m_bits[offset / 64] >> (offset % 64) & 1) != 0;
  }

private:
  const std::vector<uint64_t>& m_ids;
  uint64_t m_first = 0;
  std::vector<uint64_t> m_bits;
};

/// The rows of the plot's cases that are selected, ascending.
void selectedRows(vtkAbstractArray& ids, const SelectedIds& selected, vtkIdTypeArray& rows)
{
  const vtkIdType count = ids.GetNumberOfTuples();
  // Case ids are kept as the bits of a vtkIdType: read them without a variant per row.
  if (auto* typed = vtkArrayDownCast<vtkIdTypeArray>(&ids))
  {
    const vtkIdType* values = typed->GetPointer(0);
    for (vtkIdType row = 0; row < count; ++row)
      if (selected.contains(static_cast<uint64_t>(values[row])))
        rows.InsertNextValue(row);
    return;
  }
  for (vtkIdType row = 0; row < count; ++row)
    if (selected.contains(ids.GetVariantValue(row).ToTypeUInt64()))
      rows.InsertNextValue(row);
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
  const std::vector<uint64_t>& ascending =
    m_plotSelectionModel->selectionModel()->sortedSelections();
  vtkIdType rows = 0;
  for (const auto& plot : m_plots)
    if (vtkAbstractArray* ids = caseIds(plot))
      rows += ids->GetNumberOfTuples();
  const SelectedIds selected(ascending, rows);
  for (const auto& plot : m_plots)
  {
    vtkNew<vtkIdTypeArray> points;
    vtkAbstractArray* ids = caseIds(plot);
    if (ids && !ascending.empty())
      selectedRows(*ids, selected, *points);
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
