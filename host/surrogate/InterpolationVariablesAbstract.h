#pragma once

#include "host/core/SignalConnectionCollection.h"
#include "host/core/SuspendableInterface.h"
#include "host/surrogate/InterpolationPointsInterface.h"
#include "host/surrogate/InterpolationVariablesInterface.h"
#include "host/surrogate/SurrogateModelUserDistCollection.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <utility>

class SurrogateModelManagerInterface;

/// The host's part of choosing where the models are evaluated. A plot says, per input, which
/// points it varies the input over (interpolationPoints); every other input takes:
/// - the user's points, when the value distribution collection has mode 1 and points for it;
/// - otherwise the middle of its range over the filtered cases (the manager's default value).
/// With the grid flag (1) the samples must form a grid over the varied inputs: an input the
/// plot does not vary then takes exactly one value (the middle of the user's points), and the
/// user's points replace the plot's own points of a varied input. Without it (0) each of the
/// user's points of a fixed input is a separate sample value.
class InterpolationVariablesAbstract
  : public virtual InterpolationVariablesInterface
  , public virtual SuspendableInterface
{
public:
  /// count points evenly spread from the first to the second value, both included.
  class DistributedPoints : public InterpolationPointsInterface
  {
  public:
    DistributedPoints(std::pair<double, double> range, uint64_t count);
    std::vector<double> points() const override;

  private:
    std::pair<double, double> m_range;
    uint64_t m_count;
  };

  using PointsPtr = boost::shared_ptr<const InterpolationPointsInterface>;
  using CollectionProperty = vantor::PropertyAbstract<SurrogateModelUserDistCollection>;

  static constexpr int gridFlag = 1;

  InterpolationVariablesAbstract(boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    boost::shared_ptr<CollectionProperty> collection,
    int flag = 0);
  ~InterpolationVariablesAbstract() override;

  InputValues inputIndependentVariables() const override;
  bool isVariableEmployed(const WeakPtr<Variable>& variable) const override;

  /// Stops announcing changes; resume() announces one, since anything may have changed.
  void suspend() override;
  void resume() override;

protected:
  /// Subclasses call this when their points may have changed.
  void announceChange();
  /// Connections of the subclass, blocked with the base's own.
  SignalConnectionCollection& connections() { return m_connections; }
  const boost::shared_ptr<const SurrogateModelManagerInterface>& manager() const
  {
    return m_manager;
  }

private:
  /// The points over which the plot varies the variable, or null when it does not.
  virtual PointsPtr interpolationPoints(const WeakPtr<Variable>& variable) const = 0;

  std::vector<double> fixedValues(const WeakPtr<Variable>& input,
    const SurrogateModelUserDistCollection& collection) const;

  boost::shared_ptr<const SurrogateModelManagerInterface> m_manager;
  boost::shared_ptr<CollectionProperty> m_collection;
  int m_flag;
  SignalConnectionCollection m_connections;
};
