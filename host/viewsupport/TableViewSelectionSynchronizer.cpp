#include "host/viewsupport/TableViewSelectionSynchronizer.h"

#include "host/core/ScopedExitAction.h"
#include "host/viewsupport/SelectionConverterInterface.h"
#include "host/viewsupport/SelectionModelInterface.h"

#include <QAbstractItemView>
#include <QInputEvent>
#include <QItemSelectionModel>
#include <utility>

/// Before a click or key that extends or toggles the selection, the view's item selection must
/// hold what the view shows, since that is what the user extends.
class TableViewSelectionSynchronizer::InputWatcher : public QObject
{
public:
  explicit InputWatcher(TableViewSelectionSynchronizer& owner)
    : m_owner(owner)
  {
  }

  bool eventFilter(QObject*, QEvent* event) override
  {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
        type == QEvent::KeyPress)
    {
      const auto modifiers = static_cast<QInputEvent*>(event)->modifiers();
      if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier))
        m_owner.putShownCasesIntoItemSelection();
    }
    return false;
  }

private:
  TableViewSelectionSynchronizer& m_owner;
};

TableViewSelectionSynchronizer::TableViewSelectionSynchronizer(
  boost::shared_ptr<SelectionModelInterface> master,
  QAbstractItemView& view,
  boost::shared_ptr<SelectionConverterInterface> converter)
  : m_master(std::move(master))
  , m_view(&view)
  , m_converter(std::move(converter))
  , m_inputWatcher(std::make_unique<InputWatcher>(*this))
{
  connectToView();
  beginMasterSelectionMonitoring();
  onMasterSelectionChanged();
}

TableViewSelectionSynchronizer::~TableViewSelectionSynchronizer() = default;

void TableViewSelectionSynchronizer::suspend()
{
  if (m_suspended)
    return;
  m_suspended = true;
  // The shared selection may change from now on; the view goes on showing what it showed.
  if (std::exchange(m_followsMaster, false))
    m_shown = m_master->sortedSelections();
  endMasterSelectionMonitoring();
}

void TableViewSelectionSynchronizer::resume()
{
  if (!m_suspended)
    return;
  m_suspended = false;
  beginMasterSelectionMonitoring();
  onMasterSelectionChanged();
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

const std::vector<uint64_t>& TableViewSelectionSynchronizer::shownCases() const
{
  return m_followsMaster ? m_master->sortedSelections() : m_shown;
}

void TableViewSelectionSynchronizer::setLocalSelectionsToMaster()
{
  m_master->setSortedSelection(m_shown);
}

void TableViewSelectionSynchronizer::setMasterSelectionToLocal()
{
  m_followsMaster = true;
  m_shown.clear();
  if (QItemSelectionModel* selection = itemSelection())
    selection->clearSelection();
  m_itemSelectionHoldsShown = shownCases().empty();
  repaint();
}

void TableViewSelectionSynchronizer::onLocalSelectionChanged()
{
  if (m_updating || m_suspended || !itemSelection())
    return;
  m_updating = true;
  ScopedExitAction done([this] { m_updating = false; });
  const std::set<uint64_t> selected = m_converter->rowsToCaseIds(*itemSelection());
  m_shown.assign(selected.begin(), selected.end());
  m_followsMaster = false;
  m_itemSelectionHoldsShown = true;
  repaint();
  setLocalSelectionsToMaster();
}

void TableViewSelectionSynchronizer::onMasterSelectionChanged()
{
  if (m_updating || m_suspended)
    return;
  m_updating = true;
  ScopedExitAction done([this] { m_updating = false; });
  setMasterSelectionToLocal();
}

void TableViewSelectionSynchronizer::putShownCasesIntoItemSelection()
{
  if (m_itemSelectionHoldsShown || m_updating || m_suspended || !itemSelection())
    return;
  m_updating = true;
  ScopedExitAction done([this] { m_updating = false; });
  itemSelection()->select(
    m_converter->caseIdsToSelection(std::set<uint64_t>(shownCases().begin(), shownCases().end())),
    QItemSelectionModel::ClearAndSelect);
  m_itemSelectionHoldsShown = true;
}

void TableViewSelectionSynchronizer::connectToView()
{
  m_view->installEventFilter(m_inputWatcher.get());
  m_view->viewport()->installEventFilter(m_inputWatcher.get());
  // Connections made in the watcher's context end with it.
  QObject* context = m_inputWatcher.get();
  if (QAbstractItemModel* model = m_view->model())
  {
    auto forget = [this] { m_itemSelectionHoldsShown = shownCases().empty(); };
    QObject::connect(model, &QAbstractItemModel::modelReset, context, forget);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context, forget);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, forget);
  }
  if (QItemSelectionModel* selection = m_view->selectionModel())
    QObject::connect(selection,
      &QItemSelectionModel::selectionChanged,
      context,
      [this](const QItemSelection&, const QItemSelection&) { onLocalSelectionChanged(); });
}

void TableViewSelectionSynchronizer::repaint()
{
  if (m_view)
    m_view->viewport()->update();
}

QItemSelectionModel* TableViewSelectionSynchronizer::itemSelection() const
{
  return m_view ? m_view->selectionModel() : nullptr;
}
