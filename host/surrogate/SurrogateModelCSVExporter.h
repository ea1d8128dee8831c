#pragma once

#include <string>
#include <vtkSmartPointer.h>

class vtkTableAlgorithm;

/// Writes the table of a surrogate query (or any table algorithm) as CSV: a header row of the
/// column names, then one row per table row. Numbers are written in the shortest text that
/// reads back as the same double ("NaN" for NaN); texts holding a comma, a quote or a line
/// break are quoted, with quotes doubled.
class SurrogateModelCSVExporter
{
public:
  /// Updates the algorithm first. False, with nothing written, when the file cannot be opened
  /// or the algorithm gives no table.
  bool writeCSVFile(const vtkSmartPointer<vtkTableAlgorithm>& algorithm,
    const std::string& path) const;
};
