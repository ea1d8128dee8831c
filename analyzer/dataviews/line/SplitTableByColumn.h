#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <array>
#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <vector>
#include <vtkSmartPointer.h>
#include <vtkTableAlgorithm.h>

class Variable;
class vtkTable;
template<class T>
class AlgorithmProperty;

/// Splits a table into one table per distinct combination of the values of up to three
/// variables (the enabled split slots, in slot order). The groups come in ascending order of
/// their values, compared slot by slot; rows keep their input order inside a group.
class SplitTableByColumn : public vtkTableAlgorithm
{
public:
  using VariableHandle = WeakPtr<Variable, uint64_t>;
  static constexpr int slotCount = 3;

  static SplitTableByColumn* New();
  vtkTypeMacro(SplitTableByColumn, vtkTableAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  /// "Group Data", undoable.
  boost::shared_ptr<vantor::PropertyAbstract<bool>> groupData(int slot);
  /// "Group Data Variable", undoable.
  boost::shared_ptr<vantor::PropertyAbstract<VariableHandle>> groupDataVariable(int slot);

  /// The groups of the last execution.
  const std::vector<vtkSmartPointer<vtkTable>>& groupTables() const { return m_groups; }
  const std::string& lastError() const { return m_lastError; }

protected:
  SplitTableByColumn();
  ~SplitTableByColumn() override;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  struct Slot
  {
    boost::shared_ptr<AlgorithmProperty<bool>> enabled;
    boost::shared_ptr<AlgorithmProperty<VariableHandle>> variable;
    boost::shared_ptr<vantor::PropertyAbstract<bool>> enabledProxy;
    boost::shared_ptr<vantor::PropertyAbstract<VariableHandle>> variableProxy;
  };

  std::vector<vtkAbstractArray*> splitColumns(vtkTable* input) const;
  void split(vtkTable* input, const std::vector<vtkAbstractArray*>& columns);

  std::array<Slot, slotCount> m_slots;
  std::vector<vtkSmartPointer<vtkTable>> m_groups;
  std::string m_lastError;

  SplitTableByColumn(const SplitTableByColumn&) = delete;
  void operator=(const SplitTableByColumn&) = delete;
};
