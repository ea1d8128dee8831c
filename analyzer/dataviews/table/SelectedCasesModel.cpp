#include "analyzer/dataviews/table/SelectedCasesModel.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/viewsupport/SelectionModelInterface.h"

#include <vtkBitArray.h>
#include <vtkNew.h>

struct SelectedCasesModel::Impl
{
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  vtkNew<vtkBitArray> mask;
  SignalConnectionCollection connections;
};

SelectedCasesModel::SelectedCasesModel(
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  QAbstractItemModel& source)
  : QSortFilterProxyModel(&source)
  , m_impl(std::make_unique<Impl>())
{
  m_impl->pipeline = std::move(pipeline);
  m_impl->connections.add(
    selectionModel->signalSelectionChanged.connect([this] { recomputeMask(); }));
  m_impl->connections.add(
    m_impl->pipeline->signalUnfilteredDataChanged.connect([this] { recomputeMask(); }));
  recomputeMask();
  setSourceModel(&source);
}

SelectedCasesModel::~SelectedCasesModel() = default;

bool SelectedCasesModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
  return sourceRow < m_impl->mask->GetNumberOfTuples() && m_impl->mask->GetValue(sourceRow) == 1;
}

void SelectedCasesModel::recomputeMask()
{
  beginResetModel();
  m_impl->pipeline->unfilteredOutput()->Update();
  m_impl->mask->DeepCopy(m_impl->pipeline->selectionMask());
  endResetModel();
}
