#pragma once

#include "host/core/ExceptionBase.h"

/// A request the project cannot carry out: a misused transaction, a value a variable cannot
/// hold, or project data that do not fit together.
class ProjectError : public vantor::ExceptionBase
{
public:
  using vantor::ExceptionBase::ExceptionBase;
};
