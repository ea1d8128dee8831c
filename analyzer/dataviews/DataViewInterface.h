#pragma once

#include "host/core/SuspendableInterface.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <string>

class DataViewVisitorInterface;
class SerializerInterface;

/// What the host and the other views see of any view.
class DataViewInterface : public SuspendableInterface
{
public:
  enum MouseMode
  {
    Select = 0,
    Pan = 1,
    Zoom = 2,
    Rotate = 3
  };

  ~DataViewInterface() override = default;
  void suspend() override = 0;
  void resume() override = 0;
  virtual std::string title() const = 0;
  virtual SerializerInterface& serializer() = 0;
  virtual void adjustSelectionForMouseClickAtPoint() = 0;
  /// Calls the visitor's visit for this view's own interface.
  virtual void accept(DataViewVisitorInterface& visitor) = 0;
  virtual std::string domName() const = 0;
  virtual boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() = 0;
  virtual void render() = 0;
};
