#include "analyzer/dataviews/table/TableView.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "analyzer/dataviews/table/RemoveHiddenColumns.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "analyzer/dataviews/table/TableViewSelectionConverter.h"
#include "analyzer/dataviews/table/TableWidget.h"
#include "analyzer/dataviews/table/TableWidgetAssembly.h"
#include "analyzer/dataviews/table/UseFiltersProperty.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/serialization/Serializer.h"
#include "host/viewsupport/TableViewSelectionSynchronizer.h"
#include "property/PropertyInstantiations.h"

#include <QHeaderView>
#include <QTableView>
#include <utility>
#include <vtkNew.h>

const char* const TableView::m_domName = "TableView";

struct TableView::Impl
{
  TableView& view;
  std::string title = "Table View";
  boost::shared_ptr<TableViewSelectionSynchronizer> synchronizer;
  vtkNew<RemoveHiddenColumns> columnFilter;
  boost::shared_ptr<vantor::UndoablePropertyProxy<bool>> useFilters;
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  std::unique_ptr<TableWidget> widget;
  SignalConnectionCollection connections;
  boost::signals2::scoped_connection dataConnection;
  boost::shared_ptr<SelectionModelInterface> selectionModel;
  boost::shared_ptr<vantor::Property<MouseMode>> mouseMode =
    boost::make_shared<vantor::Property<MouseMode>>(Select);
  // A suspended view does nothing; it remembers that its data changed and catches up on resume.
  bool suspended = false;
  bool stale = false;

  Impl(TableView& owner,
    boost::shared_ptr<const DataPipelineManagerInterface> p,
    boost::shared_ptr<SelectionModelInterface> selection)
    : view(owner)
    , pipeline(std::move(p))
    , selectionModel(std::move(selection))
  {
    auto property = boost::make_shared<UseFiltersProperty>(
      columnFilter.Get(), pipeline->filteredOutput(), pipeline->unfilteredOutput());
    useFilters = boost::make_shared<vantor::UndoablePropertyProxy<bool>>("Use Filters", property);
  }

  QTableView& table() const { return widget->table(); }

  void createSynchronizer()
  {
    auto converter = boost::make_shared<TableViewSelectionConverter>(table());
    synchronizer =
      boost::make_shared<TableViewSelectionSynchronizer>(selectionModel, table(), converter);
  }

  void connectRefresh(bool filtered)
  {
    auto& signal =
      filtered ? pipeline->signalFilteredDataChanged : pipeline->signalUnfilteredDataChanged;
    dataConnection = signal.connect([this] { refresh(); });
  }

  void onUseFiltersChanged(bool filtered)
  {
    connectRefresh(filtered);
    refresh();
  }

  void refresh()
  {
    if (suspended)
    {
      stale = true;
      return;
    }
    synchronizer.reset();
    if (!widget->exists())
      return;
    columnFilter->Modified();
    view.render();
    view.render();
    createSynchronizer();
  }
};

TableView::TableView(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  QWidget& parent)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), selectionModel)
  , m_impl(std::make_unique<Impl>(*this, std::move(pipeline), std::move(selectionModel)))
{
  m_impl->connections.add(m_impl->useFilters->signalValueChanged.connect(
    [this](const bool& filtered) { m_impl->onUseFiltersChanged(filtered); }));
  m_impl->connectRefresh(false);

  vtkSmartPointer<RemoveHiddenColumns> columns = m_impl->columnFilter.Get();
  m_impl->widget = std::make_unique<TableWidget>(
    assembleTableWidget(m_impl->pipeline,
      [columns](QAbstractItemView& table) { return new TableViewModel(columns, &table); }),
    parent);
  m_impl->createSynchronizer();
  Impl* impl = m_impl.get();
  m_impl->widget->paintSelectedCases([impl](uint64_t caseId)
    { return impl->synchronizer && impl->synchronizer->showsCase(caseId); });

  auto& serializer = static_cast<Serializer&>(this->serializer());
  serializer.addSubElement(
    boost::make_shared<GenericSerializer<bool>>("UseFilters", m_impl->useFilters));
  serializer.addSubElement(m_impl->widget->columnOrderSerializer());
}

TableView::~TableView()
{
  m_impl->widget->paintSelectedCases(nullptr);
}

std::string TableView::title() const
{
  return m_impl->title;
}

void TableView::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<TableViewInterface>(shared_from_this()));
}

void TableView::adjustSelectionForMouseClickAtPoint() {}

boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>> TableView::mouseMode()
{
  return m_impl->mouseMode;
}

void TableView::render()
{
  m_impl->widget->render();
}

void TableView::suspend()
{
  m_impl->suspended = true;
  m_impl->connections.block();
  if (m_impl->synchronizer)
    m_impl->synchronizer->suspend();
}

void TableView::resume()
{
  m_impl->suspended = false;
  m_impl->connections.unblock();
  if (std::exchange(m_impl->stale, false))
    m_impl->refresh();
  else if (m_impl->synchronizer)
    m_impl->synchronizer->resume();
}

boost::shared_ptr<vantor::PropertyAbstract<bool>> TableView::useFilters()
{
  return m_impl->useFilters;
}

int TableView::width() const
{
  return m_impl->widget->width();
}

int TableView::height() const
{
  return m_impl->widget->height();
}

QTableView& TableView::tableView() const
{
  return m_impl->table();
}

std::set<uint64_t> TableView::selections() const
{
  const auto& synchronizer = m_impl->synchronizer;
  return m_impl->widget->casesOfRows(
    [&synchronizer](uint64_t caseId) { return synchronizer && synchronizer->showsCase(caseId); });
}
