#pragma once

#include "property/PropertyAbstract.h"

namespace vantor
{

/// A property that keeps its value itself.
template<class T>
class Property : public PropertyAbstract<T>
{
public:
  Property()
    : m_value()
  {
  }

  /// Stored without validation.
  explicit Property(const T& value)
    : m_value(value)
  {
  }

  /// Stored, then validated: an initial value the validator rejects makes construction throw.
  Property(const T& value, boost::shared_ptr<const ValidatorInterface<T>> validator)
    : PropertyAbstract<T>(std::move(validator))
    , m_value(value)
  {
    this->validate(m_value);
  }

  Property& operator=(const T& value)
  {
    this->setValue(value);
    return *this;
  }

protected:
  void storeValue(const T& value) override { m_value = value; }

private:
  T retrieveValue() const override { return m_value; }

  T m_value;
};

} // namespace vantor
