#pragma once

#include <vtkTableAlgorithm.h>

/// Passes a table on without the pipeline-internal columns (names containing "!!!"). Column
/// order is kept and column data are shared, not copied.
class RemoveHiddenColumns : public vtkTableAlgorithm
{
public:
  static RemoveHiddenColumns* New();
  vtkTypeMacro(RemoveHiddenColumns, vtkTableAlgorithm);

  static bool isHiddenColumnName(const char* name);

protected:
  RemoveHiddenColumns() = default;
  ~RemoveHiddenColumns() override = default;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  RemoveHiddenColumns(const RemoveHiddenColumns&) = delete;
  void operator=(const RemoveHiddenColumns&) = delete;
};
