#include "host/plotsupport/InvalidPointsFilter.h"

#include "host/project/Variable.h"
#include "host/vtkutil/vtkNanNullValueArray.h"

#include <algorithm>
#include <cmath>
#include <vtkCharArray.h>
#include <vtkDataArray.h>
#include <vtkDoubleArray.h>
#include <vtkFieldData.h>
#include <vtkIdList.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkStringArray.h>
#include <vtkTable.h>

const char* const InvalidPointsFilter::validPointsArrayName = "Valid!!!Points";

vtkStandardNewMacro(InvalidPointsFilter);

namespace
{

/// Clears the flags of the rows that hold no value: a number that is not finite, or no text in
/// a text column (a category is a value: a plot groups or places its cases by it).
void clearInvalid(vtkAbstractArray& column, std::vector<char>& valid)
{
  const auto rows = static_cast<vtkIdType>(valid.size());
  if (auto* texts = vtkStringArray::SafeDownCast(&column))
  {
    for (vtkIdType row = 0; row < rows; ++row)
      valid[row] &= static_cast<char>(!texts->GetValue(row).empty());
    return;
  }
  if (auto* doubles = vtkDoubleArray::FastDownCast(&column))
  {
    const double* values = doubles->GetPointer(0);
    for (vtkIdType row = 0; row < rows; ++row)
      valid[row] &= static_cast<char>(std::isfinite(values[row]));
    return;
  }
  if (auto* flags = vtkCharArray::FastDownCast(&column))
  {
    for (vtkIdType row = 0; row < rows; ++row)
      valid[row] &= static_cast<char>(flags->GetValue(row) != 0);
    return;
  }
  auto* numbers = vtkDataArray::FastDownCast(&column);
  if (!numbers)
  {
    std::fill(valid.begin(), valid.end(), 0);
    return;
  }
  if (numbers->GetDataType() == VTK_FLOAT)
    for (vtkIdType row = 0; row < rows; ++row)
      valid[row] &= static_cast<char>(std::isfinite(numbers->GetComponent(row, 0)));
}

/// Whether clearInvalid would keep every row: one read of the column, no flag written.
bool holdsOnlyValid(vtkAbstractArray& column, vtkIdType rows)
{
  // The project's columns know it without a read.
  if (auto* reals = vtkNanNullDoubleArray::SafeDownCast(&column))
    if (reals->knownFinite())
      return true;
  if (auto* doubles = vtkDoubleArray::FastDownCast(&column))
  {
    const double* values = doubles->GetPointer(0);
    return std::all_of(values, values + rows, [](double value) { return std::isfinite(value); });
  }
  if (auto* flags = vtkCharArray::FastDownCast(&column))
  {
    const char* values = flags->GetPointer(0);
    return std::none_of(values, values + rows, [](char flag) { return flag == 0; });
  }
  auto* numbers = vtkDataArray::FastDownCast(&column);
  if (!numbers)
    return rows == 0;
  if (numbers->GetDataType() != VTK_FLOAT)
    return true;
  for (vtkIdType row = 0; row < rows; ++row)
    if (!std::isfinite(numbers->GetComponent(row, 0)))
      return false;
  return true;
}

} // namespace

InvalidPointsFilter::InvalidPointsFilter() = default;

InvalidPointsFilter::~InvalidPointsFilter() = default;

void InvalidPointsFilter::setVariables(std::vector<VariableProperty> variables)
{
  m_connections.clear();
  m_variables = std::move(variables);
  for (const auto& variable : m_variables)
    m_connections.add(variable->signalValueChanged.connect([this](const auto&) { Modified(); }));
  m_checked.clear();
  Modified();
}

vtkMTimeType InvalidPointsFilter::GetMTime()
{
  vtkMTimeType newest = Superclass::GetMTime();
  if (m_allValid)
    return newest;
  for (const auto& entry : m_kept)
    if (entry.second.source)
      newest = std::max(newest, entry.second.source->GetMTime());
  return newest;
}

int InvalidPointsFilter::RequestData(vtkInformation*,
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
  const std::vector<vtkAbstractArray*> columns = checkedColumns(*input);
  findValidRows(columns, input->GetNumberOfRows());
  if (m_allValid)
    output->ShallowCopy(input);
  else
    copyValidRows(*input, *output);
  return 1;
}

std::vector<vtkAbstractArray*> InvalidPointsFilter::checkedColumns(vtkTable& input) const
{
  std::vector<vtkAbstractArray*> columns;
  for (const auto& property : m_variables)
  {
    const auto variable = property->value().lock();
    if (!variable)
      continue;
    vtkAbstractArray* column = input.GetColumnByName(variable->name().c_str());
    // A variable the table does not have has no valid value in any row.
    columns.push_back(column);
  }
  if (vtkAbstractArray* flags = input.GetColumnByName(validPointsArrayName))
    columns.push_back(flags);
  return columns;
}

void InvalidPointsFilter::findValidRows(const std::vector<vtkAbstractArray*>& columns,
  vtkIdType rows)
{
  std::vector<Checked> checked;
  for (vtkAbstractArray* column : columns)
    checked.push_back({ column, column ? column->GetMTime() : 0 });
  if (checked == m_checked && rows == m_checkedRows)
    return;
  m_checked = checked;
  m_checkedRows = rows;
  ++m_generation;
  m_validRows->Reset();
  // The usual table, with nothing to drop, is told apart without a flag per row.
  m_allValid = std::all_of(columns.begin(),
    columns.end(),
    [rows](vtkAbstractArray* column) { return column && holdsOnlyValid(*column, rows); });
  if (m_allValid)
    return;

  std::vector<char> valid(static_cast<std::size_t>(rows), 1);
  for (vtkAbstractArray* column : columns)
  {
    if (!column)
      std::fill(valid.begin(), valid.end(), 0);
    else
      clearInvalid(*column, valid);
  }
  const auto validCount = static_cast<vtkIdType>(std::count(valid.begin(), valid.end(), 1));
  m_allValid = validCount == rows;
  if (m_allValid)
    return;
  m_validRows->SetNumberOfIds(validCount);
  vtkIdType* kept = m_validRows->GetPointer(0);
  for (vtkIdType row = 0; row < rows; ++row)
    if (valid[static_cast<std::size_t>(row)])
      *kept++ = row;
}

void InvalidPointsFilter::copyValidRows(vtkTable& input, vtkTable& output)
{
  output.Initialize();
  output.GetFieldData()->ShallowCopy(input.GetFieldData());
  std::map<vtkAbstractArray*, KeptColumn> previous;
  previous.swap(m_kept);
  for (vtkIdType c = 0; c < input.GetNumberOfColumns(); ++c)
  {
    vtkAbstractArray* column = input.GetColumn(c);
    auto found = previous.find(column);
    if (found != previous.end() && found->second.time == column->GetMTime() &&
        found->second.generation == m_generation)
      m_kept.insert(*found);
    else
      m_kept[column] = { column->GetMTime(), m_generation, validRowsOf(*column), column };
    output.AddColumn(m_kept[column].kept);
  }
}

vtkSmartPointer<vtkAbstractArray> InvalidPointsFilter::validRowsOf(vtkAbstractArray& column)
{
  vtkSmartPointer<vtkAbstractArray> kept;
  kept.TakeReference(column.NewInstance());
  kept->SetName(column.GetName());
  kept->SetNumberOfComponents(column.GetNumberOfComponents());
  kept->SetNumberOfTuples(m_validRows->GetNumberOfIds());
  column.GetTuples(m_validRows, kept);
  return kept;
}

InvalidPointsFilter::RelevanceDependentVariableProperty::RelevanceDependentVariableProperty(
  boost::shared_ptr<vantor::PropertyAbstract<bool>> relevance,
  VariableProperty variable)
  : m_relevance(std::move(relevance))
  , m_variable(std::move(variable))
{
  m_connections.add(
    m_relevance->signalValueChanged.connect([this](bool) { signalValueChanged(value()); }));
  m_connections.add(m_variable->signalValueChanged.connect(
    [this](const WeakPtr<Variable>&) { signalValueChanged(value()); }));
}

WeakPtr<Variable> InvalidPointsFilter::RelevanceDependentVariableProperty::retrieveValue() const
{
  return m_relevance->value() ? m_variable->value() : WeakPtr<Variable>();
}
