#pragma once

#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>

/// The user-adjustable settings of one plot axis. A setting the axis does not have is returned
/// as an empty pointer.
class AxisDetailsInterface
{
public:
  enum Axis
  {
    X = 0,
    Y = 1,
    Z = 2
  };

  virtual ~AxisDetailsInterface() = default;
  virtual boost::shared_ptr<vantor::PropertyAbstract<double>> min() = 0;
  virtual boost::shared_ptr<vantor::PropertyAbstract<double>> max() = 0;
  virtual boost::shared_ptr<vantor::PropertyAbstract<bool>> useCustomGridSpacing() = 0;
  virtual boost::shared_ptr<vantor::PropertyAbstract<double>> gridSpacing() = 0;
  virtual boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMin() = 0;
  virtual boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMax() = 0;

  /// Any setting of the axis changed.
  boost::signals2::signal<void()> signalAxisDetailsChanged;

private:
  virtual void signalAxisDetailsChangedConnected() const {}
};
