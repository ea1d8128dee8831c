#pragma once

#include "property/PropertyAbstract.h"

#include <boost/signals2/connection.hpp>

namespace vantor
{

/// A property that stands for another one: it reads and writes through it and announces its
/// changes as its own.
template<class T>
class PropertyDecoratorAbstract : public PropertyAbstract<T>
{
public:
  explicit PropertyDecoratorAbstract(boost::shared_ptr<PropertyAbstract<T>> decorated)
    : PropertyAbstract<T>(boost::make_shared<AllowAnyValueValidator<T>>())
    , m_decorated(std::move(decorated))
  {
    m_connection = m_decorated->signalValueChanged.connect(
      [this](const T&) { this->signalValueChanged(this->value()); });
  }

protected:
  PropertyAbstract<T>& decorated() const { return *m_decorated; }

private:
  // The decorated property announces the change; announcing it here too would say it twice.
  void emitValueChangedSignal(const T&) const override {}

  boost::shared_ptr<PropertyAbstract<T>> m_decorated;
  boost::signals2::scoped_connection m_connection;
};

/// The decorated value times a fixed scale; writing stores the value divided by it.
template<class T>
class PropertyScalingDecorator : public PropertyDecoratorAbstract<T>
{
public:
  PropertyScalingDecorator(boost::shared_ptr<PropertyAbstract<T>> decorated, T scale)
    : PropertyDecoratorAbstract<T>(std::move(decorated))
    , m_scale(scale)
  {
  }

  T scale() const { return m_scale; }

private:
  void storeValue(const T& value) override { this->decorated().setValue(value / m_scale); }
  T retrieveValue() const override { return this->decorated().value() * m_scale; }

  T m_scale;
};

} // namespace vantor
