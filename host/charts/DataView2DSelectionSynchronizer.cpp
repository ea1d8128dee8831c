#include "host/charts/DataView2DSelectionSynchronizer.h"

#include "host/plotsupport/PlotSelectionModel.h"
#include "host/viewsupport/SelectionModelInterface.h"
#include "host/vtkutil/vtkVnCommandProxy.h"

#include <set>
#include <vtkChartXY.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkPlot.h>
#include <vtkTable.h>

namespace
{

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

void DataView2DSelectionSynchronizer::updateChartSelections()
{
  const std::set<uint64_t> selected = m_plotSelectionModel->selectionModel()->getSelections();
  for (const auto& plot : m_plots)
  {
    vtkNew<vtkIdTypeArray> points;
    vtkAbstractArray* ids = caseIds(plot);
    const vtkIdType rows = ids && !selected.empty() ? ids->GetNumberOfTuples() : 0;
    for (vtkIdType row = 0; row < rows; ++row)
      if (selected.count(ids->GetVariantValue(row).ToTypeUInt64()))
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
  m_plotSelectionModel->setSelection(picked);
  updateChartSelections();
  signalSelectionChanged();
}

void DataView2DSelectionSynchronizer::suspend()
{
  if (m_suspended)
    return;
  m_chart->RemoveObserver(m_observerTag);
  m_suspended = true;
}

void DataView2DSelectionSynchronizer::resume()
{
  if (!m_suspended)
    return;
  m_observerTag = m_chart->AddObserver(vtkCommand::SelectionChangedEvent, m_observer);
  m_suspended = false;
}
