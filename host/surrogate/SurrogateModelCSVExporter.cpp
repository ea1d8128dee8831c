#include "host/surrogate/SurrogateModelCSVExporter.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <vtkAbstractArray.h>
#include <vtkDataArray.h>
#include <vtkTable.h>
#include <vtkTableAlgorithm.h>

namespace
{

std::string quotedIfNeeded(const std::string& text)
{
  if (text.find_first_of(",\"\n\r") == std::string::npos)
    return text;
  std::string quoted = "\"";
  for (char c : text)
  {
    if (c == '"')
      quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string numberText(double value)
{
  if (std::isnan(value))
    return "NaN";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  return std::string(buffer, result.ptr);
}

std::string cellText(vtkAbstractArray* column, vtkIdType row)
{
  auto* numbers = vtkDataArray::SafeDownCast(column);
  if (!numbers)
    return quotedIfNeeded(column->GetVariantValue(row).ToString());
  if (numbers->GetDataType() != VTK_DOUBLE && numbers->GetDataType() != VTK_FLOAT)
    return column->GetVariantValue(row).ToString();
  return numberText(numbers->GetTuple1(row));
}

} // namespace

bool SurrogateModelCSVExporter::writeCSVFile(const vtkSmartPointer<vtkTableAlgorithm>& algorithm,
  const std::string& path) const
{
  if (!algorithm)
    return false;
  algorithm->Update();
  vtkTable* table = vtkTable::SafeDownCast(algorithm->GetOutputDataObject(0));
  if (!table)
    return false;
  std::ofstream file(path, std::ios::binary);
  if (!file)
    return false;
  const vtkIdType columns = table->GetNumberOfColumns();
  for (vtkIdType c = 0; c < columns; ++c)
  {
    const char* name = table->GetColumn(c)->GetName();
    file << (c ? "," : "") << quotedIfNeeded(name ? name : "");
  }
  file << '\n';
  for (vtkIdType row = 0; row < table->GetNumberOfRows(); ++row)
  {
    for (vtkIdType c = 0; c < columns; ++c)
      file << (c ? "," : "") << cellText(table->GetColumn(c), row);
    file << '\n';
  }
  return static_cast<bool>(file.flush());
}
