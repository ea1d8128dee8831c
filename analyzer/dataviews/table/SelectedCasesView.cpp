#include "analyzer/dataviews/table/SelectedCasesView.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/table/RemoveHiddenColumns.h"
#include "analyzer/dataviews/table/SelectedCasesModel.h"
#include "analyzer/dataviews/table/SingleDirectionalSelectionSynchronizer.h"
#include "analyzer/dataviews/table/SuspendableSelectionModel.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "analyzer/dataviews/table/TableViewSelectionConverter.h"
#include "analyzer/dataviews/table/TableWidget.h"
#include "analyzer/dataviews/table/TableWidgetAssembly.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/serialization/Serializer.h"
#include "property/PropertyInstantiations.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <vtkNew.h>

const char* const SelectedCasesView::m_domName = "SelectedCasesView";

struct SelectedCasesView::Impl
{
  std::string title = "Selected Cases";
  std::unique_ptr<TableWidget> widget;
  vtkNew<RemoveHiddenColumns> columnFilter;
  SignalConnectionCollection connections;
  boost::shared_ptr<SingleDirectionalSelectionSynchronizer> synchronizer;
  boost::shared_ptr<TableViewSelectionConverter> converter;
  boost::shared_ptr<vantor::Property<MouseMode>> mouseMode =
    boost::make_shared<vantor::Property<MouseMode>>(Select);

  QTableView& table() const { return widget->table(); }
};

SelectedCasesView::SelectedCasesView(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  QWidget& parent)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), selectionModel)
  , m_impl(std::make_unique<Impl>())
{
  RemoveHiddenColumns* columns = m_impl->columnFilter.Get();
  columns->SetInputConnection(pipeline->unfilteredOutput()->GetOutputPort());
  m_impl->connections.add(
    pipeline->signalUnfilteredDataChanged.connect([columns] { columns->Modified(); }));

  auto suspendable = boost::make_shared<SuspendableSelectionModel>(selectionModel);
  vtkSmartPointer<RemoveHiddenColumns> source = columns;
  m_impl->widget =
    std::make_unique<TableWidget>(assembleTableWidget(pipeline,
                                    [source, pipeline, suspendable](QAbstractItemView& table)
                                    {
                                      auto* model = new TableViewModel(source, &table);
                                      return new SelectedCasesModel(pipeline, suspendable, *model);
                                    }),
      parent);
  m_impl->converter = boost::make_shared<TableViewSelectionConverter>(m_impl->table());
  m_impl->synchronizer = boost::make_shared<SingleDirectionalSelectionSynchronizer>(
    suspendable, m_impl->table(), m_impl->converter);
  Impl* impl = m_impl.get();
  m_impl->widget->paintSelectedCases(
    [impl](uint64_t caseId) { return impl->synchronizer->showsCase(caseId); });

  static_cast<Serializer&>(serializer()).addSubElement(m_impl->widget->columnOrderSerializer());
}

SelectedCasesView::~SelectedCasesView()
{
  m_impl->widget->paintSelectedCases(nullptr);
}

std::string SelectedCasesView::title() const
{
  return m_impl->title;
}

void SelectedCasesView::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<SelectedCasesViewInterface>(shared_from_this()));
}

void SelectedCasesView::adjustSelectionForMouseClickAtPoint() {}

boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>>
SelectedCasesView::mouseMode()
{
  return m_impl->mouseMode;
}

void SelectedCasesView::render()
{
  m_impl->widget->render();
}

void SelectedCasesView::suspend()
{
  m_impl->connections.block();
}

void SelectedCasesView::resume()
{
  m_impl->connections.unblock();
}

int SelectedCasesView::width() const
{
  return m_impl->widget->width();
}

int SelectedCasesView::height() const
{
  return m_impl->widget->height();
}

std::set<uint64_t> SelectedCasesView::selections() const
{
  const auto& synchronizer = *m_impl->synchronizer;
  return m_impl->widget->casesOfRows(
    [&synchronizer](uint64_t caseId) { return synchronizer.showsCase(caseId); });
}

QTableView& SelectedCasesView::tableView() const
{
  return m_impl->table();
}
