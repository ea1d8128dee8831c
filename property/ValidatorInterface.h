#pragma once

#include "host/core/ValidationResult.h"

namespace vantor
{

template<class T>
class ValidatorInterface
{
public:
  virtual ~ValidatorInterface() = default;
  virtual ValidationResult validate(const T& value) const = 0;
};

template<class T>
class AllowAnyValueValidator : public ValidatorInterface<T>
{
public:
  ValidationResult validate(const T&) const override { return ValidationResult(); }
};

} // namespace vantor
