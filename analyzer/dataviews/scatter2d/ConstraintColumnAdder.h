#pragma once

#include "host/core/SignalConnectionCollection.h"

#include <vtkTableAlgorithm.h>

class DataPipelineManagerInterface;

/// Classifies each case by the filters it violates, in the int column "Constraint Coloring":
/// 1 when it violates an independent filter, otherwise 0, 2 or 3 when it violates no, one, or
/// more than one dependent filter. A case violating the filter of a variable that is neither
/// independent nor dependent is marked invalid in the valid-points column and not drawn.
class ConstraintColumnAdder : public vtkTableAlgorithm
{
public:
  static ConstraintColumnAdder* New();
  vtkTypeMacro(ConstraintColumnAdder, vtkTableAlgorithm);

  static const char* const columnName;

  /// Runs again whenever the filters or the data they pass change.
  void setConstraintSource(const DataPipelineManagerInterface* source);

protected:
  ConstraintColumnAdder();
  ~ConstraintColumnAdder() override;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  const DataPipelineManagerInterface* m_source = nullptr;
  SignalConnectionCollection m_connections;

  ConstraintColumnAdder(const ConstraintColumnAdder&) = delete;
  void operator=(const ConstraintColumnAdder&) = delete;
};
