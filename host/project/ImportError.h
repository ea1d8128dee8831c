#pragma once

#include "host/core/ExceptionBase.h"

/// A file that cannot be opened as a project; the message names the file and, where it can,
/// the line.
class ImportError : public vantor::ExceptionBase
{
public:
  using vantor::ExceptionBase::ExceptionBase;
};
