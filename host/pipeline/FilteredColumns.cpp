#include "host/pipeline/FilteredColumns.h"

#include "host/vtkutil/vtkNanNullValueArray.h"

#include <algorithm>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkStringArray.h>

namespace
{

template<class Array>
bool gatherValues(vtkAbstractArray& source,
  vtkAbstractArray& target,
  const std::vector<vtkIdType>& rows)
{
  auto* from = Array::SafeDownCast(&source);
  if (!from)
    return false;
  auto* to = static_cast<Array*>(&target);
  const auto* values = from->GetPointer(0);
  auto* out = to->WritePointer(0, static_cast<vtkIdType>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    out[i] = values[rows[i]];
  to->setWithoutInfinities(from->withoutInfinities());
  if (from->hasSpecialValues())
  {
    std::vector<unsigned char> flags(rows.size(), Array::None);
    for (std::size_t i = 0; i < rows.size(); ++i)
      flags[i] = from->special(rows[i]);
    to->setSpecialFlags(std::move(flags));
  }
  return true;
}

bool gatherText(vtkAbstractArray& source,
  vtkAbstractArray& target,
  const std::vector<vtkIdType>& rows)
{
  auto* from = vtkStringArray::SafeDownCast(&source);
  if (!from)
    return false;
  auto* to = static_cast<vtkStringArray*>(&target);
  to->SetNumberOfValues(static_cast<vtkIdType>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    to->SetValue(static_cast<vtkIdType>(i), from->GetValue(rows[i]));
  return true;
}

void gatherTuples(vtkAbstractArray& source,
  vtkAbstractArray& target,
  const std::vector<vtkIdType>& rows)
{
  vtkNew<vtkIdList> from;
  vtkNew<vtkIdList> to;
  from->SetNumberOfIds(static_cast<vtkIdType>(rows.size()));
  to->SetNumberOfIds(static_cast<vtkIdType>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
  {
    from->SetId(static_cast<vtkIdType>(i), rows[i]);
    to->SetId(static_cast<vtkIdType>(i), static_cast<vtkIdType>(i));
  }
  target.SetNumberOfComponents(source.GetNumberOfComponents());
  target.SetNumberOfTuples(static_cast<vtkIdType>(rows.size()));
  target.InsertTuples(to, from, &source);
}

template<class Array>
bool copySpecial(vtkAbstractArray& source, vtkAbstractArray& target, vtkIdType from, vtkIdType to)
{
  auto* sourceArray = Array::SafeDownCast(&source);
  if (!sourceArray)
    return false;
  auto& targetArray = static_cast<Array&>(target);
  targetArray.setSpecial(to, sourceArray->special(from));
  targetArray.setWithoutInfinities(
    targetArray.withoutInfinities() && sourceArray->withoutInfinities());
  return true;
}

} // namespace

void FilteredColumns::rebuild(const std::vector<vtkAbstractArray*>& columns,
  std::vector<vtkIdType> rows)
{
  m_rows = std::move(rows);
  m_columns.clear();
  for (vtkAbstractArray* column : columns)
    m_columns.push_back(gather(*column, m_rows));
}

void FilteredColumns::clear()
{
  m_columns.clear();
  m_rows.clear();
}

vtkSmartPointer<vtkAbstractArray> FilteredColumns::gather(vtkAbstractArray& source,
  const std::vector<vtkIdType>& rows)
{
  auto target = vtkSmartPointer<vtkAbstractArray>::Take(source.NewInstance());
  target->SetName(source.GetName());
  if (!gatherValues<vtkNanNullDoubleArray>(source, *target, rows) &&
      !gatherValues<vtkNanNullIdTypeArray>(source, *target, rows) &&
      !gatherText(source, *target, rows))
    gatherTuples(source, *target, rows);
  return target;
}

vtkIdType FilteredColumns::filteredRow(vtkIdType unfilteredRow) const
{
  const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), unfilteredRow);
  if (found == m_rows.end() || *found != unfilteredRow)
    return -1;
  return static_cast<vtkIdType>(found - m_rows.begin());
}

void FilteredColumns::refreshCell(std::size_t column,
  vtkAbstractArray& source,
  vtkIdType unfilteredRow)
{
  const vtkIdType row = filteredRow(unfilteredRow);
  if (row < 0 || column >= m_columns.size())
    return;
  vtkAbstractArray& target = *m_columns[column];
  target.SetTuple(row, unfilteredRow, &source);
  if (!copySpecial<vtkNanNullDoubleArray>(source, target, unfilteredRow, row))
    copySpecial<vtkNanNullIdTypeArray>(source, target, unfilteredRow, row);
  target.Modified();
}
