#include "host/pipeline/DataPipelineManager.h"

#include "host/pipeline/FilterAbstract.h"
#include "host/pipeline/TableSourceAlgorithm.h"
#include "host/pipeline/UndoableChange.h"
#include "host/project/Project.h"
#include "host/viewsupport/SelectionModelInterface.h"

#include <algorithm>
#include <vtkTable.h>

const char* const DataPipelineManagerInterface::selectionMaskName = "Selection!!!Mask";

namespace
{

std::vector<vtkAbstractArray*> projectColumns()
{
  std::vector<vtkAbstractArray*> columns;
  for (const auto& handle : Project::project().variables())
    columns.push_back(handle.lock()->column().array());
  return columns;
}

} // namespace

DataPipelineManager::DataPipelineManager(boost::shared_ptr<SelectionModelInterface> selectionModel)
  : m_selectionModel(std::move(selectionModel))
{
  m_unfiltered->setFill([this](vtkTable& table) { fillUnfiltered(table); });
  m_filtered->setFill([this](vtkTable& table) { fillFiltered(table); });
  // Views read the pipeline in their own handlers of the same signals, so it goes first.
  m_projectConnection = Project::project().signalProjectChanged.connect(
    [this](const TransactionRecord& changes) { onProjectChanged(changes); },
    boost::signals2::at_front);
  m_selectionConnection = m_selectionModel->signalSelectionChanged.connect(
    [this] { onSelectionChanged(); }, boost::signals2::at_front);
  rebuild();
}

DataPipelineManager::~DataPipelineManager() = default;

vtkSmartPointer<vtkTableAlgorithm> DataPipelineManager::unfilteredOutput() const
{
  return m_unfiltered.Get();
}

vtkSmartPointer<vtkTableAlgorithm> DataPipelineManager::filteredOutput() const
{
  return m_filtered.Get();
}

std::vector<boost::shared_ptr<const FilterAbstract>> DataPipelineManager::filters() const
{
  std::vector<boost::shared_ptr<const FilterAbstract>> active;
  for (const auto& filter : m_filters)
    if (isActive(*filter))
      active.push_back(filter);
  return active;
}

boost::shared_ptr<const FilterAbstract> DataPipelineManager::filter(uint64_t variableId) const
{
  return editableFilter(variableId);
}

boost::shared_ptr<FilterAbstract> DataPipelineManager::editableFilter(uint64_t variableId) const
{
  for (const auto& filter : m_filters)
    if (filter->variable().id() == variableId)
      return filter;
  return {};
}

std::set<WeakPtr<Variable>> DataPipelineManager::violatedVariables(uint64_t caseId) const
{
  std::set<WeakPtr<Variable>> violated;
  const vtkIdType row = Project::project().rowOf(caseId);
  if (row < 0)
    return violated;
  for (const auto& filter : m_filters)
    if (isActive(*filter) && !m_evaluator.passes(*filter, row))
      violated.insert(filter->variable());
  return violated;
}

vtkSmartPointer<vtkBitArray> DataPipelineManager::selectionMask() const
{
  return m_mask.unfiltered();
}

void DataPipelineManager::addFilter(const boost::shared_ptr<FilterAbstract>& filter)
{
  auto before = m_filters;
  auto after = m_filters;
  after.erase(std::remove_if(after.begin(),
                after.end(),
                [&](const auto& held) { return held->variable() == filter->variable(); }),
    after.end());
  after.push_back(filter);
  runAsUndoStep([this, after] { setFilters(after); },
    [this, before] { setFilters(before); },
    *this,
    QStringLiteral("Add Filter"));
}

void DataPipelineManager::removeFilter(const boost::shared_ptr<const FilterAbstract>& filter)
{
  auto before = m_filters;
  auto after = m_filters;
  after.erase(std::remove(after.begin(), after.end(), filter), after.end());
  if (after.size() == before.size())
    return;
  runAsUndoStep([this, after] { setFilters(after); },
    [this, before] { setFilters(before); },
    *this,
    QStringLiteral("Remove Filter"));
}

void DataPipelineManager::replaceFilters(
  const std::vector<boost::shared_ptr<FilterAbstract>>& filters)
{
  auto before = m_filters;
  runAsUndoStep([this, filters] { setFilters(filters); },
    [this, before] { setFilters(before); },
    *this,
    QStringLiteral("Change Filters"));
}

void DataPipelineManager::setFilters(std::vector<boost::shared_ptr<FilterAbstract>> filters)
{
  m_filters = std::move(filters);
  m_filterConnections.clear();
  for (const auto& filter : m_filters)
  {
    const FilterAbstract* watched = filter.get();
    m_filterConnections[watched] = filter->signalChanged.connect(
      [this, watched] { onFilterChanged(*watched); }, boost::signals2::at_front);
  }
  rebuild();
  announceFilterSet();
  announceData(false);
}

bool DataPipelineManager::isActive(const FilterAbstract& filter) const
{
  return filter.isEnabled() && filter.variable().lock();
}

bool DataPipelineManager::hasActiveFilters() const
{
  return std::any_of(
    m_filters.begin(), m_filters.end(), [this](const auto& filter) { return isActive(*filter); });
}

std::vector<const FilterAbstract*> DataPipelineManager::activeSet() const
{
  std::vector<const FilterAbstract*> active;
  for (const auto& filter : m_filters)
    if (isActive(*filter))
      active.push_back(filter.get());
  return active;
}

void DataPipelineManager::rebuild()
{
  m_mask.forgetRows();
  m_evaluator.reset(Project::project().recordCount());
  for (const auto& filter : m_filters)
    if (isActive(*filter))
      m_evaluator.evaluate(*filter, filter->variable().lock()->column());
  refilter();
  updateSelection();
  m_unfiltered->Modified();
}

void DataPipelineManager::refilter()
{
  // Without filters the filtered output is the unfiltered one and needs no rows of its own.
  m_passingRows = hasActiveFilters() ? m_evaluator.passingRows() : std::vector<vtkIdType>();
  m_filteredColumnsStale = true;
  m_filtered->Modified();
}

void DataPipelineManager::updateSelection()
{
  m_mask.select(m_selectionModel->sortedSelections(), Project::project());
  if (hasActiveFilters())
    m_mask.follow(m_passingRows);
}

void DataPipelineManager::onProjectChanged(const TransactionRecord& changes)
{
  if (changes.projectReplaced)
  {
    // Filters of the old project's variables have nothing left to filter.
    auto kept = m_filters;
    kept.erase(
      std::remove_if(
        kept.begin(), kept.end(), [](const auto& filter) { return !filter->variable().lock(); }),
      kept.end());
    if (kept.size() != m_filters.size())
      setFilters(kept);
  }
  if (changes.changesStructure())
    rebuild();
  else if (!changes.changedValues.empty())
    applyCellChanges(changes);
  else if (changes.changedVariables.empty())
    return;
  // A nature change moves filters between the independent and the dependent ones.
  announceFilterSet(!changes.changedVariables.empty());
  announceData(true);
}

void DataPipelineManager::applyCellChanges(const TransactionRecord& changes)
{
  const Project& project = Project::project();
  if (changes.changedValues.size() > static_cast<std::size_t>(project.recordCount() / 16))
  {
    rebuild();
    return;
  }
  const std::vector<vtkAbstractArray*> columns = projectColumns();
  bool rowsChanged = false;
  for (const auto& change : changes.changedValues)
  {
    const auto record = project.record(change.caseId).lock();
    const auto variable = project.variableById(change.variableId).lock();
    if (!record || !variable)
      continue;
    variable->column().array()->Modified();
    const auto filter = editableFilter(variable->id());
    if (filter && isActive(*filter))
      rowsChanged |= m_evaluator.updateRow(*filter, variable->column(), record->row());
    const auto column = std::find(columns.begin(), columns.end(), variable->column().array());
    if (!m_filteredColumnsStale && column != columns.end())
      m_filteredColumns.refreshCell(
        static_cast<std::size_t>(column - columns.begin()), **column, record->row());
  }
  if (rowsChanged)
  {
    refilter();
    // The filtered mask has one bit per filtered row.
    updateSelection();
  }
  else
    m_filtered->Modified();
  m_unfiltered->Modified();
}

void DataPipelineManager::onFilterChanged(const FilterAbstract& filter)
{
  if (isActive(filter))
    m_evaluator.evaluate(filter, filter.variable().lock()->column());
  else
    m_evaluator.forget(filter);
  refilter();
  updateSelection();
  announceFilterSet();
  announceData(false);
}

void DataPipelineManager::onSelectionChanged()
{
  // The tables hold the masks themselves, so they show the change without running again: a
  // selection change costs the mask, not a pass of every view's pipeline. Stages that copy a
  // mask watch its own modified time.
  updateSelection();
  m_mask.announce();
}

void DataPipelineManager::fillUnfiltered(vtkTable& table)
{
  for (vtkAbstractArray* column : projectColumns())
    table.AddColumn(column);
  table.AddColumn(m_mask.unfiltered());
}

void DataPipelineManager::fillFiltered(vtkTable& table)
{
  if (!hasActiveFilters())
  {
    fillUnfiltered(table);
    return;
  }
  if (m_filteredColumnsStale)
  {
    m_filteredColumns.rebuild(projectColumns(), m_passingRows);
    m_filteredColumnsStale = false;
  }
  for (const auto& column : m_filteredColumns.columns())
    table.AddColumn(column);
  table.AddColumn(m_mask.filtered());
}

void DataPipelineManager::announceFilterSet(bool always)
{
  auto active = activeSet();
  if (active == m_announcedFilterSet && !always)
    return;
  m_announcedFilterSet = std::move(active);
  signalFilterSetChanged();
}

void DataPipelineManager::announceData(bool unfiltered)
{
  if (unfiltered)
    signalUnfilteredDataChanged();
  signalFilteredDataChanged();
}
