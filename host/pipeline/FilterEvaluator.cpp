#include "host/pipeline/FilterEvaluator.h"

#include "host/pipeline/FilterAbstract.h"
#include "host/project/VariableColumn.h"

void FilterEvaluator::reset(vtkIdType rows)
{
  m_pass.clear();
  m_failures.assign(static_cast<std::size_t>(rows), 0);
}

void FilterEvaluator::count(const std::vector<unsigned char>& pass, int sign)
{
  for (std::size_t row = 0; row < pass.size() && row < m_failures.size(); ++row)
    if (!pass[row])
      m_failures[row] = static_cast<unsigned short>(m_failures[row] + sign);
}

void FilterEvaluator::evaluate(const FilterAbstract& filter, const VariableColumn& column)
{
  forget(filter);
  std::vector<unsigned char>& pass = m_pass[&filter];
  filter.evaluate(column, pass);
  count(pass, +1);
}

void FilterEvaluator::forget(const FilterAbstract& filter)
{
  const auto found = m_pass.find(&filter);
  if (found == m_pass.end())
    return;
  count(found->second, -1);
  m_pass.erase(found);
}

bool FilterEvaluator::updateRow(const FilterAbstract& filter,
  const VariableColumn& column,
  vtkIdType row)
{
  const auto found = m_pass.find(&filter);
  if (found == m_pass.end())
    return false;
  unsigned char& flag = found->second[static_cast<std::size_t>(row)];
  const unsigned char now = filter.passes(column, row);
  if (now == flag)
    return false;
  const bool before = passes(row);
  flag = now;
  auto& failures = m_failures[static_cast<std::size_t>(row)];
  failures = static_cast<unsigned short>(now ? failures - 1 : failures + 1);
  return before != passes(row);
}

bool FilterEvaluator::passes(const FilterAbstract& filter, vtkIdType row) const
{
  const auto found = m_pass.find(&filter);
  return found == m_pass.end() || found->second[static_cast<std::size_t>(row)];
}

std::vector<vtkIdType> FilterEvaluator::passingRows() const
{
  std::vector<vtkIdType> rows;
  rows.reserve(m_failures.size());
  for (std::size_t row = 0; row < m_failures.size(); ++row)
    if (m_failures[row] == 0)
      rows.push_back(static_cast<vtkIdType>(row));
  return rows;
}
