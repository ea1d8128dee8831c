#include "host/surrogate/InterpolationVariablesAbstract.h"

#include "host/project/Variable.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"

#include <algorithm>

InterpolationVariablesAbstract::DistributedPoints::DistributedPoints(
  std::pair<double, double> range,
  uint64_t count)
  : m_range(range)
  , m_count(count)
{
}

std::vector<double> InterpolationVariablesAbstract::DistributedPoints::points() const
{
  if (m_count == 1)
    return { (m_range.first + m_range.second) / 2.0 };
  std::vector<double> points(m_count);
  const double step = (m_range.second - m_range.first) / static_cast<double>(m_count - 1);
  for (uint64_t i = 0; i < m_count; ++i)
    points[i] = m_range.first + step * static_cast<double>(i);
  if (m_count > 1)
    points.back() = m_range.second;
  return points;
}

InterpolationVariablesAbstract::InterpolationVariablesAbstract(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager,
  boost::shared_ptr<CollectionProperty> collection,
  int flag)
  : m_manager(std::move(manager))
  , m_collection(std::move(collection))
  , m_flag(flag)
{
  m_connections.add(m_manager->signalModelsChanged.connect([this] { announceChange(); }));
  m_connections.add(m_manager->signalInputDefaultsChanged.connect([this] { announceChange(); }));
  m_connections.add(m_collection->signalValueChanged.connect(
    [this](const SurrogateModelUserDistCollection&) { announceChange(); }));
}

InterpolationVariablesAbstract::~InterpolationVariablesAbstract() = default;

std::vector<double> InterpolationVariablesAbstract::fixedValues(const WeakPtr<Variable>& input,
  const SurrogateModelUserDistCollection& collection) const
{
  const auto variable = input.lock();
  std::vector<double> user;
  if (variable && collection.getMode(variable->name()) == 1)
    user = collection.getUserDistributionPoints(variable->name());
  if (user.empty())
    return { m_manager->defaultInputValue(input.id()) };
  if (m_flag != gridFlag)
    return user;
  std::sort(user.begin(), user.end());
  const std::size_t half = user.size() / 2;
  return { user.size() % 2 ? user[half] : (user[half - 1] + user[half]) / 2.0 };
}

InterpolationVariablesInterface::InputValues
InterpolationVariablesAbstract::inputIndependentVariables() const
{
  const SurrogateModelUserDistCollection collection = m_collection->value();
  InputValues values;
  for (const auto& input : m_manager->inputVariables())
  {
    const PointsPtr points = interpolationPoints(input);
    if (!points)
    {
      values[input] = fixedValues(input, collection);
      continue;
    }
    const auto variable = input.lock();
    if (m_flag == gridFlag && variable && collection.getMode(variable->name()) == 1 &&
        !collection.getUserDistributionPoints(variable->name()).empty())
      values[input] = collection.getUserDistributionPoints(variable->name());
    else
      values[input] = points->points();
  }
  return values;
}

bool InterpolationVariablesAbstract::isVariableEmployed(const WeakPtr<Variable>& variable) const
{
  return m_manager->isInputVariable(variable.id()) && interpolationPoints(variable) != nullptr;
}

void InterpolationVariablesAbstract::suspend()
{
  m_connections.block();
}

void InterpolationVariablesAbstract::resume()
{
  m_connections.unblock();
  announceChange();
}

void InterpolationVariablesAbstract::announceChange()
{
  if (!m_connections.isBlocked())
    signalChanged();
}
