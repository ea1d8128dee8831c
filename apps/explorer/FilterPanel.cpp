#include "apps/explorer/FilterPanel.h"

#include "apps/explorer/RangeFilterDialog.h"
#include "apps/explorer/ValueFilterDialog.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/FilterVisitorInterface.h"
#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <boost/make_shared.hpp>

namespace
{

constexpr int shownValueCount = 4;

enum Column
{
  NameColumn,
  KindColumn,
  ConditionColumn
};

class FilterDescriber : public FilterVisitorInterface
{
public:
  void visit(const RangeFilter& filter) override
  {
    kind = QStringLiteral("Range");
    condition =
      QStringLiteral("%1 to %2")
        .arg(QString::number(filter.low(), 'g', 6), QString::number(filter.high(), 'g', 6));
  }

  void visit(const MultiValueFilterAbstract& filter) override
  {
    kind = QStringLiteral("Values");
    QStringList enabled;
    const auto values = filter.matcherValues();
    for (const auto& entry : values)
      if (entry.enabled)
        enabled << QString::fromStdString(entry.value.toString());
    QStringList shown = enabled.mid(0, shownValueCount);
    if (enabled.size() > shownValueCount)
      shown << QStringLiteral("...");
    condition =
      QStringLiteral("%1 of %2: %3").arg(enabled.size()).arg(values.size()).arg(shown.join(", "));
  }

  QString kind;
  QString condition;
};

} // namespace

FilterPanel::FilterPanel(QWidget* parent)
  : QWidget(parent)
{
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  m_list = new QTreeWidget(this);
  m_list->setHeaderLabels({ "Variable", "Kind", "Condition" });
  m_list->setRootIsDecorated(false);
  m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(m_list);

  auto* addRange = new QPushButton(QStringLiteral("Add Range..."), this);
  auto* addValues = new QPushButton(QStringLiteral("Add Values..."), this);
  m_edit = new QPushButton(QStringLiteral("Edit..."), this);
  m_remove = new QPushButton(QStringLiteral("Remove"), this);
  // Two rows keep the panel narrow, leaving the room to the views.
  auto* buttons = new QGridLayout;
  buttons->addWidget(addRange, 0, 0);
  buttons->addWidget(addValues, 0, 1);
  buttons->addWidget(m_edit, 1, 0);
  buttons->addWidget(m_remove, 1, 1);
  layout->addLayout(buttons);

  connect(addRange, &QPushButton::clicked, this, &FilterPanel::addRangeFilter);
  connect(addValues, &QPushButton::clicked, this, &FilterPanel::addValueFilter);
  connect(m_edit, &QPushButton::clicked, this, &FilterPanel::editCurrentFilter);
  connect(m_remove, &QPushButton::clicked, this, &FilterPanel::removeCurrentFilter);
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, &FilterPanel::editCurrentFilter);
  connect(m_list, &QTreeWidget::itemChanged, this, &FilterPanel::onItemChanged);
  connect(m_list, &QTreeWidget::currentItemChanged, this, &FilterPanel::updateButtons);
  // Undo and redo change filters without a filter-set change when a filter is disabled.
  connect(&UndoStack::qUndoStack(), &QUndoStack::indexChanged, this, &FilterPanel::scheduleRefresh);
  updateButtons();
}

FilterPanel::~FilterPanel() = default;

void FilterPanel::setPipeline(DataPipelineManager* pipeline)
{
  m_pipeline = pipeline;
  m_filterSetConnection.disconnect();
  if (m_pipeline)
    m_filterSetConnection =
      m_pipeline->signalFilterSetChanged.connect([this] { scheduleRefresh(); });
  refresh();
}

void FilterPanel::addRangeFilter()
{
  if (!m_pipeline)
    return;
  RangeFilterDialog dialog(this);
  if (dialog.exec() == QDialog::Accepted)
    m_pipeline->addFilter(
      boost::make_shared<RangeFilter>(dialog.variable(), dialog.low(), dialog.high()));
}

void FilterPanel::addValueFilter()
{
  if (!m_pipeline)
    return;
  ValueFilterDialog dialog(this);
  if (dialog.exec() == QDialog::Accepted)
    m_pipeline->addFilter(boost::make_shared<ValueFilter>(dialog.variable(), dialog.values()));
}

void FilterPanel::editCurrentFilter()
{
  const auto filter = currentFilter();
  if (const auto range = boost::dynamic_pointer_cast<RangeFilter>(filter))
  {
    RangeFilterDialog dialog(range->variable(), range->low(), range->high(), this);
    if (dialog.exec() == QDialog::Accepted)
      range->setRange(dialog.low(), dialog.high());
  }
  else if (const auto values = boost::dynamic_pointer_cast<ValueFilter>(filter))
  {
    ValueFilterDialog dialog(values->variable(), values->matcherValues(), this);
    if (dialog.exec() == QDialog::Accepted)
      values->setMatcherValues(dialog.values());
  }
}

void FilterPanel::removeCurrentFilter()
{
  if (const auto filter = currentFilter())
    m_pipeline->removeFilter(filter);
}

void FilterPanel::refresh()
{
  m_refreshPending = false;
  const auto current = currentFilter();
  const QSignalBlocker blocker(m_list);
  m_list->clear();
  m_filters = m_pipeline ? m_pipeline->allFilters() : decltype(m_filters)();
  for (const auto& filter : m_filters)
  {
    showRow(filter);
    if (filter == current)
      m_list->setCurrentItem(m_list->topLevelItem(m_list->topLevelItemCount() - 1));
  }
  updateButtons();
}

void FilterPanel::scheduleRefresh()
{
  if (m_refreshPending)
    return;
  m_refreshPending = true;
  QTimer::singleShot(0,
    this,
    [this]
    {
      if (m_refreshPending)
        refresh();
    });
}

void FilterPanel::showRow(const boost::shared_ptr<FilterAbstract>& filter)
{
  const auto variable = filter->variable().lock();
  FilterDescriber describer;
  filter->accept(describer);
  auto* item = new QTreeWidgetItem(m_list);
  item->setText(NameColumn,
    variable ? QString::fromStdString(variable->name()) : QStringLiteral("(removed variable)"));
  item->setText(KindColumn, describer.kind);
  item->setText(ConditionColumn, describer.condition);
  item->setToolTip(ConditionColumn, describer.condition);
  item->setCheckState(NameColumn, filter->isEnabled() ? Qt::Checked : Qt::Unchecked);
}

boost::shared_ptr<FilterAbstract> FilterPanel::currentFilter() const
{
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  if (row < 0 || row >= static_cast<int>(m_filters.size()))
    return {};
  return m_filters[static_cast<std::size_t>(row)];
}

void FilterPanel::onItemChanged(QTreeWidgetItem* item, int column)
{
  const int row = m_list->indexOfTopLevelItem(item);
  if (column != NameColumn || row < 0 || row >= static_cast<int>(m_filters.size()))
    return;
  const auto& filter = m_filters[static_cast<std::size_t>(row)];
  const bool checked = item->checkState(NameColumn) == Qt::Checked;
  if (checked != filter->isEnabled())
    filter->setEnabled(checked);
}

void FilterPanel::updateButtons()
{
  const bool hasCurrent = static_cast<bool>(currentFilter());
  m_edit->setEnabled(hasCurrent);
  m_remove->setEnabled(hasCurrent);
}
