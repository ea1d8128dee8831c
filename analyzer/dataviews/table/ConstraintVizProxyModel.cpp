#include "analyzer/dataviews/table/ConstraintVizProxyModel.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/pipeline/FilterAbstract.h"
#include "host/pipeline/FilterRangeFinder.h"
#include "host/pipeline/FilterType.h"
#include "host/project/Project.h"
#include "host/project/Variable.h"

#include <algorithm>
#include <boost/signals2/connection.hpp>
#include <cmath>
#include <map>
#include <unordered_map>
#include <vector>

struct ConstraintVizProxyModel::State
{
  ConstraintVizProxyModel& model;
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline;
  boost::signals2::scoped_connection filterSetConnection;
  boost::signals2::scoped_connection projectConnection;
  SignalConnectionCollection filterConnections;
  std::map<int, std::pair<double, double>> shaded;
  std::vector<std::pair<double, double>> ranges;
  std::vector<unsigned char> numeric;
  std::unordered_map<std::string, int> columnByName;
  mutable std::vector<WeakPtr<Variable>> variables;

  State(ConstraintVizProxyModel& owner, boost::shared_ptr<const DataPipelineManagerInterface> p)
    : model(owner)
    , pipeline(std::move(p))
  {
  }

  WeakPtr<Variable> variableOf(int column) const
  {
    if (column < 0 || column >= int(variables.size()))
      return {};
    if (variables[column].isNull())
    {
      const QString name = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
      variables[column] = Project::project().variable(name.toStdString());
    }
    return variables[column];
  }

  void connectFilters()
  {
    filterConnections.clear();
    for (const auto& filter : pipeline->filters())
    {
      auto variable = filter->variable().lock();
      if (!variable || !variable->isNumeric())
        continue;
      boost::weak_ptr<const FilterAbstract> watched = filter;
      filterConnections.add(filter->signalChanged.connect(
        [this, watched]
        {
          if (auto changed = watched.lock())
            updateSingleFilter(*changed);
        }));
    }
    updateAll();
    announceAllCells();
  }

  // Views repaint only the cells they are told have changed, and any cell's marks may have.
  void announceAllCells()
  {
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (rows > 0 && columns > 0)
      Q_EMIT model.dataChanged(model.index(0, 0), model.index(rows - 1, columns - 1));
  }

  void updateAll()
  {
    shaded.clear();
    columnByName.clear();
    const int columns = model.columnCount();
    ranges.assign(columns, { 0.0, 0.0 });
    numeric.assign(columns, 0);
    variables.assign(columns, WeakPtr<Variable>());
    const auto active = pipeline->filters();
    for (int column = 0; column < columns; ++column)
    {
      auto variable = variableOf(column).lock();
      if (!variable)
        continue;
      numeric[column] = variable->isNumeric();
      columnByName[variable->name()] = column;
      if (!numeric[column])
        continue;
      ranges[column] = variable->range();
      auto filter = pipeline->filter(variable->id());
      if (filter && std::find(active.begin(), active.end(), filter) != active.end())
        applyRangeRule(column, *filter);
    }
  }

  void applyRangeRule(int column, const FilterAbstract& filter)
  {
    shaded.erase(column);
    const auto [low, high] = ranges[column];
    const double span = high - low;
    if (getFilterType(filter) != 0 || !(span > 0))
      return;
    const auto [filterLow, filterHigh] = FilterRangeFinder(filter).range();
    if (filterLow > low || high > filterHigh)
      shaded[column] = { (filterLow - low) / span, (filterHigh - low) / span };
  }

  void updateSingleFilter(const FilterAbstract& filter)
  {
    auto variable = filter.variable().lock();
    if (!variable)
      return;
    auto found = columnByName.find(variable->name());
    if (found == columnByName.end())
      return;
    const int column = found->second;
    ranges[column] = variable->range();
    applyRangeRule(column, filter);
    const int rows = model.rowCount();
    if (rows > 0)
      Q_EMIT model.dataChanged(model.index(0, column), model.index(rows - 1, column));
  }
};

ConstraintVizProxyModel::ConstraintVizProxyModel(QAbstractItemModel& source,
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline)
  : QIdentityProxyModel(&source)
  , m_state(std::make_unique<State>(*this, std::move(pipeline)))
{
  setSourceModel(&source);
  m_state->filterSetConnection =
    m_state->pipeline->signalFilterSetChanged.connect([this] { m_state->connectFilters(); });
  m_state->projectConnection = Project::project().signalProjectChanged.connect(
    [this](const auto&)
    {
      m_state->updateAll();
      m_state->announceAllCells();
    });
  // Columns come and go with the source's resets; their ranges and filters with them.
  connect(&source, &QAbstractItemModel::modelReset, this, [this] { m_state->updateAll(); });
  m_state->connectFilters();
}

ConstraintVizProxyModel::~ConstraintVizProxyModel() = default;

QVariant ConstraintVizProxyModel::data(const QModelIndex& index, int role) const
{
  const int column = index.column();
  if (role == ValuePositionRole && column >= 0 && column < int(m_state->ranges.size()))
  {
    const auto [low, high] = m_state->ranges[column];
    bool isNumber = false;
    const double value = QIdentityProxyModel::data(index, Qt::EditRole).toDouble(&isNumber);
    // NaN and NULL cells have no place in the range.
    if (high != low && isNumber && !std::isnan(value))
      return (value - low) / (high - low);
    return {};
  }
  if (role == ConstraintViolationRole)
  {
    const uint64_t caseId = data(index, CaseIdRole).toULongLong();
    const auto violated = m_state->pipeline->violatedVariables(caseId);
    const auto variable = m_state->variableOf(column);
    return !variable.isNull() && violated.count(variable) != 0;
  }
  return QIdentityProxyModel::data(index, role);
}

void ConstraintVizProxyModel::sort(int column, Qt::SortOrder order)
{
  sourceModel()->sort(column, order);
}

std::optional<std::pair<double, double>> ConstraintVizProxyModel::shadedRange(int column) const
{
  auto found = m_state->shaded.find(column);
  if (found == m_state->shaded.end())
    return std::nullopt;
  return found->second;
}

bool ConstraintVizProxyModel::isNumericColumn(int column) const
{
  return column >= 0 && column < int(m_state->numeric.size()) && m_state->numeric[column];
}
