#pragma once

#include "host/surrogate/InterpolationPointsInterface.h"

#include <boost/shared_ptr.hpp>

class FilterAbstract;

/// The values a multi-value filter lets through, as numbers: where a line plot groups by a
/// variable, the models are asked about the groups the user kept. Any other filter, or none,
/// gives no points.
class DiscreteFilteredPoints : public InterpolationPointsInterface
{
public:
  explicit DiscreteFilteredPoints(boost::shared_ptr<const FilterAbstract> filter);

  std::vector<double> points() const override;

private:
  class EnabledValues;

  boost::shared_ptr<const FilterAbstract> m_filter;
};
