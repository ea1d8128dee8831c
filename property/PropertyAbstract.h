#pragma once

#include "host/core/InvalidPropertyValueException.h"
#include "host/core/PropertyItemInterface.h"
#include "property/ValidatorInterface.h"

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>

namespace vantor
{

/// A typed, validated, observable value. setValue validates, ignores an unchanged value, stores
/// and then announces the stored value.
template<class T>
class PropertyAbstract : public PropertyItemInterface
{
public:
  using value_type = T;

  boost::signals2::signal<void(const T&)> signalValueChanged;

  PropertyAbstract()
    : PropertyAbstract(boost::make_shared<AllowAnyValueValidator<T>>())
  {
  }

  explicit PropertyAbstract(boost::shared_ptr<const ValidatorInterface<T>> validator)
    : m_validator(std::move(validator))
  {
    m_baseSignalForwarding =
      signalValueChanged.connect([this](const T&) { callBaseClassSignalIfThereAreListeners(); });
  }

  PropertyAbstract(const PropertyAbstract&) = delete;
  ~PropertyAbstract() override = default;

  void setValue(const T& value)
  {
    validate(value);
    if (isEqual(value))
      return;
    storeValue(value);
    emitValueChangedSignal(this->value());
  }

  PropertyAbstract& operator=(const T& value)
  {
    setValue(value);
    return *this;
  }

  /// Takes the other's value through setValue; validator and connections stay this one's.
  PropertyAbstract& operator=(const PropertyAbstract& other)
  {
    if (this != &other)
      setValue(other.value());
    return *this;
  }

  T value() const { return retrieveValue(); }
  operator T() const { return value(); }

  boost::shared_ptr<const ValidatorInterface<T>> validator() const { return m_validator; }

protected:
  virtual void storeValue(const T& value) = 0;
  virtual bool isEqual(const T& value) const { return value == this->value(); }
  virtual void validate(const T& value) const
  {
    const ValidationResult result = m_validator->validate(value);
    if (!result.isValid())
      throw InvalidPropertyValueException(result.errorString());
  }

private:
  virtual void signalValueChangedConnected() const {}
  virtual T retrieveValue() const = 0;
  virtual void emitValueChangedSignal(const T& value) const { signalValueChanged(value); }

  void callBaseClassSignalIfThereAreListeners()
  {
    if (!signalPropertyChanged.empty())
      signalPropertyChanged();
  }

  boost::shared_ptr<const ValidatorInterface<T>> m_validator;
  boost::signals2::scoped_connection m_baseSignalForwarding;
};

} // namespace vantor
