#pragma once

#include "host/project/WeakPtr.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <set>
#include <vector>
#include <vtkBitArray.h>
#include <vtkSmartPointer.h>
#include <vtkTableAlgorithm.h>

class FilterAbstract;
class Variable;

/// What the views read of the data pipeline. The unfiltered output table has one row per case
/// in project order: column 0 "Case ID", then one typed column per variable in project order,
/// then pipeline-internal columns whose names contain "!!!" (the selection mask among them).
/// The filtered output has the same columns and only the rows that pass every active filter.
class DataPipelineManagerInterface
{
public:
  /// Name of the selection mask array and of its column in both outputs.
  static const char* const selectionMaskName;

  virtual ~DataPipelineManagerInterface() = default;

  virtual vtkSmartPointer<vtkTableAlgorithm> unfilteredOutput() const = 0;
  virtual vtkSmartPointer<vtkTableAlgorithm> filteredOutput() const = 0;

  /// The active filters: enabled, on a variable that is part of the project.
  virtual std::vector<boost::shared_ptr<const FilterAbstract>> filters() const = 0;
  /// The filter held for the variable, active or not; empty when there is none.
  virtual boost::shared_ptr<const FilterAbstract> filter(uint64_t variableId) const = 0;
  boost::shared_ptr<const FilterAbstract> filter(const WeakPtr<Variable>& variable) const
  {
    return filter(variable.id());
  }
  /// The variables whose active filters the case fails; empty for an unknown case.
  virtual std::set<WeakPtr<Variable>> violatedVariables(uint64_t caseId) const = 0;

  /// One bit per row of the unfiltered table, set for the selected cases; it follows the
  /// selection model and fires a modified event after the outputs have taken the change.
  virtual vtkSmartPointer<vtkBitArray> selectionMask() const = 0;

  mutable boost::signals2::signal<void()> signalUnfilteredDataChanged;
  mutable boost::signals2::signal<void()> signalFilteredDataChanged;
  /// Filters were added or removed, or became active or inactive.
  mutable boost::signals2::signal<void()> signalFilterSetChanged;

private:
  virtual void signalUnfilteredDataChangedConnected() const {}
  virtual void signalFilteredDataChangedConnected() const {}
  virtual void signalFilterSetChangedConnected() const {}
};
