#pragma once

#include <boost/signals2/signal.hpp>

namespace vantor
{

/// Untyped base of every property, for listeners that only need to know that something changed.
class PropertyItemInterface
{
public:
  virtual ~PropertyItemInterface() = default;

  boost::signals2::signal<void()> signalPropertyChanged;

private:
  virtual void signalPropertyChangedConnected() const {}
};

} // namespace vantor
