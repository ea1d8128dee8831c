#pragma once

#include <unordered_map>
#include <vector>
#include <vtkType.h>

class FilterAbstract;
class VariableColumn;

/// Which rows pass which filter, and how many filters each row fails, so that one filter or
/// one cell can be re-evaluated without looking at the others.
class FilterEvaluator
{
public:
  /// Forgets every filter; all rows pass.
  void reset(vtkIdType rows);
  /// (Re)evaluates a filter over its column.
  void evaluate(const FilterAbstract& filter, const VariableColumn& column);
  void forget(const FilterAbstract& filter);
  /// Re-evaluates one row; true when the row's overall pass state changed.
  bool updateRow(const FilterAbstract& filter, const VariableColumn& column, vtkIdType row);

  bool contains(const FilterAbstract& filter) const { return m_pass.count(&filter) != 0; }
  bool passes(vtkIdType row) const { return m_failures[static_cast<std::size_t>(row)] == 0; }
  bool passes(const FilterAbstract& filter, vtkIdType row) const;
  /// Rows passing every filter, ascending.
  std::vector<vtkIdType> passingRows() const;

private:
  void count(const std::vector<unsigned char>& pass, int sign);

  std::vector<unsigned short> m_failures;
  std::unordered_map<const FilterAbstract*, std::vector<unsigned char>> m_pass;
};
