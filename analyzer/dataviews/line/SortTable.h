#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <vtkTableAlgorithm.h>

class Variable;
template<class T>
class AlgorithmProperty;

/// Sorts the rows of a table by the column of one variable, ascending; rows of equal values
/// keep their input order. See ColumnKeys for the order of values.
class SortTable : public vtkTableAlgorithm
{
public:
  using VariableHandle = WeakPtr<Variable, uint64_t>;

  static SortTable* New();
  vtkTypeMacro(SortTable, vtkTableAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  /// "Sort By", undoable.
  virtual boost::shared_ptr<vantor::PropertyAbstract<VariableHandle>> sortBy();
  /// Empty after a successful execution.
  const std::string& lastError() const { return m_lastError; }

protected:
  SortTable();
  ~SortTable() override;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  boost::shared_ptr<AlgorithmProperty<VariableHandle>> m_sortBy;
  boost::shared_ptr<vantor::PropertyAbstract<VariableHandle>> m_sortByProxy;
  std::string m_lastError;

  SortTable(const SortTable&) = delete;
  void operator=(const SortTable&) = delete;
};
