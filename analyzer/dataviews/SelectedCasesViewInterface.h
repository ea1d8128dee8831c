#pragma once

#include "analyzer/dataviews/DataViewInterface.h"

#include <cstdint>
#include <set>

class SelectedCasesViewInterface : public virtual DataViewInterface
{
public:
  virtual int width() const = 0;
  virtual int height() const = 0;
  /// The case ids of the rows selected inside this view (which never reach the shared selection).
  virtual std::set<uint64_t> selections() const = 0;
};
