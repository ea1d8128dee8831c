#pragma once

#include "analyzer/dataviews/DataViewInterface.h"

class TableViewInterface : public virtual DataViewInterface
{
public:
  virtual boost::shared_ptr<vantor::PropertyAbstract<bool>> useFilters() = 0;
  /// Total width of all columns and total height of all rows, in pixels.
  virtual int width() const = 0;
  virtual int height() const = 0;
};
