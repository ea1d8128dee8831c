#include "analyzer/dataviews/line/RowGather.h"

#include "host/vtkutil/vtkNanNullValueArray.h"

#include <algorithm>
#include <cstring>
#include <vtkAbstractArray.h>
#include <vtkDataArray.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkSmartPointer.h>
#include <vtkStringArray.h>
#include <vtkTable.h>

namespace
{

template<class Array>
void gatherSpecialFlags(vtkAbstractArray* source,
  const std::vector<vtkIdType>& rows,
  vtkAbstractArray* target)
{
  auto* from = Array::SafeDownCast(source);
  auto* to = Array::SafeDownCast(target);
  if (!from || !to || !from->hasSpecialValues())
    return;
  const auto& flags = from->specialFlags();
  std::vector<unsigned char> gathered(rows.size(), Array::None);
  for (std::size_t k = 0; k < rows.size(); ++k)
    if (static_cast<std::size_t>(rows[k]) < flags.size())
      gathered[k] = flags[static_cast<std::size_t>(rows[k])];
  to->setSpecialFlags(std::move(gathered));
}

/// vtkStringArray::GetTuples stores value by value through SetValue, which is slow.
bool gatherTexts(vtkAbstractArray* source,
  const std::vector<vtkIdType>& rows,
  vtkAbstractArray* target)
{
  auto* from = vtkStringArray::SafeDownCast(source);
  auto* to = vtkStringArray::SafeDownCast(target);
  if (!from || !to || from->GetNumberOfComponents() != 1)
    return false;
  for (std::size_t k = 0; k < rows.size(); ++k)
    to->GetValue(static_cast<vtkIdType>(k)) = from->GetValue(rows[k]);
  to->DataChanged();
  return true;
}

template<class Array>
void scatterSpecialFlags(vtkAbstractArray* source,
  const std::vector<uint32_t>& groupOfRow,
  const std::vector<vtkAbstractArray*>& targets)
{
  auto* from = Array::SafeDownCast(source);
  if (!from || !from->hasSpecialValues())
    return;
  const auto& flags = from->specialFlags();
  std::vector<std::vector<unsigned char>> scattered(targets.size());
  for (std::size_t g = 0; g < targets.size(); ++g)
    scattered[g].reserve(static_cast<std::size_t>(targets[g]->GetNumberOfTuples()));
  for (std::size_t row = 0; row < groupOfRow.size(); ++row)
    scattered[groupOfRow[row]].push_back(
      row < flags.size() ? flags[row] : static_cast<unsigned char>(Array::None));
  for (std::size_t g = 0; g < targets.size(); ++g)
    Array::SafeDownCast(targets[g])->setSpecialFlags(std::move(scattered[g]));
}

template<class Word>
void scatterWords(const void* source,
  const std::vector<uint32_t>& groupOfRow,
  const std::vector<vtkAbstractArray*>& targets)
{
  const auto* from = static_cast<const Word*>(source);
  std::vector<Word*> next(targets.size());
  for (std::size_t g = 0; g < targets.size(); ++g)
    next[g] = static_cast<Word*>(targets[g]->GetVoidPointer(0));
  for (std::size_t row = 0; row < groupOfRow.size(); ++row)
    *next[groupOfRow[row]]++ = from[row];
}

void scatterColumn(vtkAbstractArray* column,
  const std::vector<uint32_t>& groupOfRow,
  const std::vector<vtkAbstractArray*>& targets)
{
  std::vector<vtkIdType> next(targets.size(), 0);
  auto* texts = vtkStringArray::SafeDownCast(column);
  auto* numbers = vtkDataArray::SafeDownCast(column);
  const int width = column->GetDataTypeSize() * column->GetNumberOfComponents();
  if (texts && texts->GetNumberOfComponents() == 1)
  {
    for (std::size_t row = 0; row < groupOfRow.size(); ++row)
    {
      const uint32_t g = groupOfRow[row];
      static_cast<vtkStringArray*>(targets[g])->GetValue(next[g]++) =
        texts->GetValue(static_cast<vtkIdType>(row));
    }
  }
  else if (numbers && numbers->HasStandardMemoryLayout() && width == 8)
    scatterWords<uint64_t>(numbers->GetVoidPointer(0), groupOfRow, targets);
  else if (numbers && numbers->HasStandardMemoryLayout() && width == 4)
    scatterWords<uint32_t>(numbers->GetVoidPointer(0), groupOfRow, targets);
  else
  {
    for (std::size_t row = 0; row < groupOfRow.size(); ++row)
    {
      const uint32_t g = groupOfRow[row];
      targets[g]->SetTuple(next[g]++, static_cast<vtkIdType>(row), column);
    }
  }
  for (vtkAbstractArray* target : targets)
    target->DataChanged();
}

} // namespace

std::vector<vtkSmartPointer<vtkTable>> scatterRows(vtkTable* source,
  const std::vector<uint32_t>& groupOfRow,
  uint32_t groupCount)
{
  std::vector<vtkIdType> counts(groupCount, 0);
  for (uint32_t g : groupOfRow)
    ++counts[g];
  std::vector<vtkSmartPointer<vtkTable>> tables(groupCount);
  for (auto& table : tables)
    table = vtkSmartPointer<vtkTable>::New();
  std::vector<vtkAbstractArray*> targets(groupCount);
  for (vtkIdType c = 0; c < source->GetNumberOfColumns(); ++c)
  {
    vtkAbstractArray* column = source->GetColumn(c);
    for (uint32_t g = 0; g < groupCount; ++g)
    {
      auto copy = vtkSmartPointer<vtkAbstractArray>::Take(column->NewInstance());
      copy->SetName(column->GetName());
      copy->SetNumberOfComponents(column->GetNumberOfComponents());
      copy->SetNumberOfTuples(counts[g]);
      tables[g]->AddColumn(copy);
      targets[g] = copy;
    }
    scatterColumn(column, groupOfRow, targets);
    scatterSpecialFlags<vtkNanNullDoubleArray>(column, groupOfRow, targets);
    scatterSpecialFlags<vtkNanNullIdTypeArray>(column, groupOfRow, targets);
  }
  return tables;
}

void gatherRows(vtkTable* source, const std::vector<vtkIdType>& rows, vtkTable* target)
{
  target->Initialize();
  vtkNew<vtkIdList> ids;
  ids->SetNumberOfIds(static_cast<vtkIdType>(rows.size()));
  std::copy(rows.begin(), rows.end(), ids->GetPointer(0));
  for (vtkIdType c = 0; c < source->GetNumberOfColumns(); ++c)
  {
    vtkAbstractArray* column = source->GetColumn(c);
    auto copy = vtkSmartPointer<vtkAbstractArray>::Take(column->NewInstance());
    copy->SetName(column->GetName());
    copy->SetNumberOfComponents(column->GetNumberOfComponents());
    copy->SetNumberOfTuples(ids->GetNumberOfIds());
    if (!gatherTexts(column, rows, copy))
      column->GetTuples(ids, copy);
    gatherSpecialFlags<vtkNanNullDoubleArray>(column, rows, copy);
    gatherSpecialFlags<vtkNanNullIdTypeArray>(column, rows, copy);
    target->AddColumn(copy);
  }
}
