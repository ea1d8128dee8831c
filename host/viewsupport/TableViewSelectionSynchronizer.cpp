#include "host/viewsupport/TableViewSelectionSynchronizer.h"

#include "host/viewsupport/SelectionConverterInterface.h"
#include "host/viewsupport/SelectionModelInterface.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

TableViewSelectionSynchronizer::TableViewSelectionSynchronizer(
  boost::shared_ptr<SelectionModelInterface> master,
  QAbstractItemView& view,
  boost::shared_ptr<SelectionConverterInterface> converter)
  : m_master(std::move(master))
  , m_view(&view)
  , m_converter(std::move(converter))
{
  connectToView();
  beginMasterSelectionMonitoring();
  setMasterSelectionToLocal();
}

TableViewSelectionSynchronizer::~TableViewSelectionSynchronizer()
{
  QObject::disconnect(m_localConnection);
}

void TableViewSelectionSynchronizer::suspend()
{
  if (m_suspended)
    return;
  m_suspended = true;
  endMasterSelectionMonitoring();
}

void TableViewSelectionSynchronizer::resume()
{
  if (!m_suspended)
    return;
  m_suspended = false;
  beginMasterSelectionMonitoring();
  m_shownValid = false;
  setMasterSelectionToLocal();
}

void TableViewSelectionSynchronizer::beginMasterSelectionMonitoring()
{
  m_masterConnection =
    m_master->signalSelectionChanged.connect([this] { onMasterSelectionChanged(); });
}

void TableViewSelectionSynchronizer::endMasterSelectionMonitoring()
{
  m_masterConnection.disconnect();
}

void TableViewSelectionSynchronizer::setLocalSelectionsToMaster()
{
  if (!m_view || !m_view->selectionModel())
    return;
  m_shown = m_converter->rowsToCaseIds(*m_view->selectionModel());
  m_shownValid = true;
  m_master->setSelection(m_shown);
}

void TableViewSelectionSynchronizer::setMasterSelectionToLocal()
{
  if (!m_view || !m_view->selectionModel())
    return;
  std::set<uint64_t> selection = m_master->getSelections();
  if (m_shownValid && selection == m_shown)
    return;
  const QItemSelection rows = m_converter->caseIdsToSelection(selection);
  m_shown = std::move(selection);
  m_shownValid = true;
  m_view->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void TableViewSelectionSynchronizer::onLocalSelectionChanged()
{
  if (m_updating || m_suspended)
    return;
  m_updating = true;
  setLocalSelectionsToMaster();
  m_updating = false;
}

void TableViewSelectionSynchronizer::onMasterSelectionChanged()
{
  if (m_updating)
    return;
  m_updating = true;
  setMasterSelectionToLocal();
  m_updating = false;
}

void TableViewSelectionSynchronizer::connectToView()
{
  QItemSelectionModel* selection = m_view->selectionModel();
  if (!selection)
    return;
  m_localConnection = QObject::connect(selection,
    &QItemSelectionModel::selectionChanged,
    [this](const QItemSelection&, const QItemSelection&) { onLocalSelectionChanged(); });
}
