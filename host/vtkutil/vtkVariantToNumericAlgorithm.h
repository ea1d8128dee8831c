#pragma once

#include <vtkTableAlgorithm.h>

class vtkAbstractArray;

/// Makes the columns of a table usable by plots. Numeric columns without NaN or NULL rows and
/// text columns pass through shared; variant columns whose values are all numbers or special
/// values, and integer columns holding special values, become double columns with NaN where no
/// number is; other variant columns become text columns.
class vtkVariantToNumericAlgorithm : public vtkTableAlgorithm
{
public:
  vtkTypeMacro(vtkVariantToNumericAlgorithm, vtkTableAlgorithm);
  static vtkVariantToNumericAlgorithm* New();

protected:
  vtkVariantToNumericAlgorithm() = default;
  ~vtkVariantToNumericAlgorithm() override = default;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  static vtkAbstractArray* convertedColumn(vtkAbstractArray* column);

  vtkVariantToNumericAlgorithm(const vtkVariantToNumericAlgorithm&) = delete;
  void operator=(const vtkVariantToNumericAlgorithm&) = delete;
};
