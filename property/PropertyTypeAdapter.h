#pragma once

#include "property/PropertyAbstract.h"

#include <boost/function.hpp>

namespace vantor
{

/// Shows a property of type W as a property of type T through two conversion functions.
/// Every failure on the way to the wrapped property is reported as "Invalid value.".
template<class T, class W>
class PropertyTypeAdapter : public PropertyAbstract<T>
{
public:
  using ToAdapted = boost::function<T(const W&)>;
  using ToWrapped = boost::function<W(const T&)>;

  /// Accepts a value when the wrapped property's validator accepts its conversion.
  class AdapterValidator : public ValidatorInterface<T>
  {
  public:
    AdapterValidator(boost::shared_ptr<PropertyAbstract<W>> wrapped, ToWrapped toWrapped)
      : m_wrapped(std::move(wrapped))
      , m_toWrapped(std::move(toWrapped))
    {
    }

    ValidationResult validate(const T& value) const override
    {
      try
      {
        if (m_wrapped->validator()->validate(m_toWrapped(value)).isValid())
          return ValidationResult();
      }
      // A conversion that fails makes the value as invalid as one the wrapped validator rejects.
      catch (const boost::bad_function_call&)
      {
      }
      catch (const ExceptionBase&)
      {
      }
      return ValidationResult::invalid("Invalid value.");
    }

  private:
    boost::shared_ptr<PropertyAbstract<W>> m_wrapped;
    ToWrapped m_toWrapped;
  };

  PropertyTypeAdapter(boost::shared_ptr<PropertyAbstract<W>> wrapped,
    ToAdapted toAdapted,
    ToWrapped toWrapped)
    : PropertyAbstract<T>(boost::make_shared<AdapterValidator>(wrapped, toWrapped))
    , m_wrapped(std::move(wrapped))
    , m_toAdapted(std::move(toAdapted))
    , m_toWrapped(std::move(toWrapped))
  {
    m_forwarding = m_wrapped->signalValueChanged.connect(
      [this](const W&) { this->signalValueChanged(this->value()); });
  }

protected:
  void storeValue(const T& value) override
  {
    try
    {
      m_wrapped->setValue(m_toWrapped(value));
    }
    catch (const boost::bad_function_call&)
    {
      throw InvalidPropertyValueException("Invalid value.");
    }
    catch (const ExceptionBase&)
    {
      throw InvalidPropertyValueException("Invalid value.");
    }
  }

private:
  T retrieveValue() const override { return m_toAdapted(m_wrapped->value()); }
  // The wrapped property's announcement is forwarded already.
  void emitValueChangedSignal(const T&) const override {}

  boost::shared_ptr<PropertyAbstract<W>> m_wrapped;
  ToAdapted m_toAdapted;
  ToWrapped m_toWrapped;
  boost::signals2::scoped_connection m_forwarding;
};

} // namespace vantor
