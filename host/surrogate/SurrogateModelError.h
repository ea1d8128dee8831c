#pragma once

#include "host/core/ExceptionBase.h"

/// A surrogate model that cannot be fitted or asked; the message is meant for the user.
class SurrogateModelError : public vantor::ExceptionBase
{
public:
  using vantor::ExceptionBase::ExceptionBase;
};
