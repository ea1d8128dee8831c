#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"

#include "host/common/VariantConversion.h"
#include "host/vtkutil/vtkNanNullValueArray.h"

#include <vtkDoubleArray.h>
#include <vtkFieldData.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkStringArray.h>
#include <vtkTable.h>
#include <vtkVariantArray.h>

#include <limits>

vtkStandardNewMacro(vtkVariantToNumericAlgorithm);

namespace
{

const double notANumber = std::numeric_limits<double>::quiet_NaN();

vtkAbstractArray* numericCopy(vtkVariantArray* column)
{
  auto* result = vtkDoubleArray::New();
  result->SetName(column->GetName());
  result->SetNumberOfValues(column->GetNumberOfValues());
  for (vtkIdType i = 0; i < column->GetNumberOfValues(); ++i)
    result->SetValue(i, toVariant(column->GetValue(i), true).doubleValue());
  return result;
}

vtkAbstractArray* textCopy(vtkVariantArray* column)
{
  auto* result = vtkStringArray::New();
  result->SetName(column->GetName());
  result->SetNumberOfValues(column->GetNumberOfValues());
  for (vtkIdType i = 0; i < column->GetNumberOfValues(); ++i)
    result->SetValue(i, column->GetValue(i).ToString());
  return result;
}

bool holdsOnlyNumbers(vtkVariantArray* column)
{
  for (vtkIdType i = 0; i < column->GetNumberOfValues(); ++i)
  {
    const Variant value = toVariant(column->GetValue(i), true);
    if (!value.isNumeric() && !value.isSpecial())
      return false;
  }
  return true;
}

vtkAbstractArray* doublesWithNaN(vtkNanNullIdTypeArray* column)
{
  auto* result = vtkDoubleArray::New();
  result->SetName(column->GetName());
  result->SetNumberOfValues(column->GetNumberOfValues());
  for (vtkIdType i = 0; i < column->GetNumberOfValues(); ++i)
    result->SetValue(i, static_cast<double>(column->GetValue(i)));
  const auto& flags = column->specialFlags();
  for (std::size_t i = 0; i < flags.size(); ++i)
    if (flags[i] != vtkNanNullIdTypeArray::None)
      result->SetValue(static_cast<vtkIdType>(i), notANumber);
  return result;
}

} // namespace

vtkAbstractArray* vtkVariantToNumericAlgorithm::convertedColumn(vtkAbstractArray* column)
{
  if (auto* variants = vtkVariantArray::SafeDownCast(column))
    return holdsOnlyNumbers(variants) ? numericCopy(variants) : textCopy(variants);
  auto* integers = vtkNanNullIdTypeArray::SafeDownCast(column);
  if (integers && integers->hasSpecialValues())
    return doublesWithNaN(integers);
  return nullptr;
}

int vtkVariantToNumericAlgorithm::RequestData(vtkInformation*,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkTable* output = vtkTable::GetData(outputVector);
  if (!input || !output)
  {
    vtkErrorMacro(<< "needs an input table");
    return 0;
  }
  output->Initialize();
  output->GetFieldData()->ShallowCopy(input->GetFieldData());
  for (vtkIdType c = 0; c < input->GetNumberOfColumns(); ++c)
  {
    vtkAbstractArray* column = input->GetColumn(c);
    vtkSmartPointer<vtkAbstractArray> converted;
    converted.TakeReference(convertedColumn(column));
    output->AddColumn(converted ? converted.Get() : column);
  }
  return 1;
}
