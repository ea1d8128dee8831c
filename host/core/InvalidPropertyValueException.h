#pragma once

#include "host/core/ExceptionBase.h"

namespace vantor
{

/// Thrown when a validator rejects a value; the property keeps its old value.
class InvalidPropertyValueException : public ExceptionBase
{
public:
  using ExceptionBase::ExceptionBase;
};

} // namespace vantor
