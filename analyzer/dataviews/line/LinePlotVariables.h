#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <cstdint>
#include <vector>

class PlotBuilderAbstract;

/// The variables a line plot shows (x, y, colour, symbol and sort, in that order): the defaults
/// a new plot takes from the project's variables, and the repair when variables are removed.
class LinePlotVariables
{
public:
  LinePlotVariables(PropertyPtr<VariablePtr> x,
    PropertyPtr<VariablePtr> y,
    PlotBuilderAbstract& rawData);

  /// An input against an output, sorted along x, not grouped.
  void setDefaults();
  /// Whether every one of them names a live variable.
  bool resolve() const;
  /// Each that names a removed variable takes the replacement drawn as for a new plot.
  void replaceRemoved(const std::vector<uint64_t>& removed);
  /// Variables removed while the view was suspended, as the repair would have been told.
  std::vector<uint64_t> stale() const;

private:
  PropertyPtr<VariablePtr> m_x;
  PropertyPtr<VariablePtr> m_y;
  PlotBuilderAbstract& m_rawData;
};
