#pragma once

#include "host/core/SignalConnectionCollection.h"
#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <map>
#include <vector>
#include <vtkNew.h>
#include <vtkSmartPointer.h>
#include <vtkTableAlgorithm.h>
#include <vtkWeakPointer.h>

class Variable;
class vtkIdList;

/// Drops the rows of a table in which a listed variable holds no valid value (NaN, or NULL
/// turned into NaN), or whose column named validPointsArrayName holds 0. A table whose rows
/// are all valid passes through with its columns shared, and the list of kept rows is worked
/// out again only when a listed column or the list itself changed.
class InvalidPointsFilter : public vtkTableAlgorithm
{
public:
  using VariableProperty = boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>>;
  class RelevanceDependentVariableProperty;

  /// A char column of this name marks rows (0) that are invalid whatever their values.
  static const char* const validPointsArrayName;

  vtkTypeMacro(InvalidPointsFilter, vtkTableAlgorithm);
  static InvalidPointsFilter* New();

  /// Also the newest change to a column it copied: a column changed in place (the selection
  /// mask) leaves its copy behind.
  vtkMTimeType GetMTime() override;

  /// The filter runs again whenever one of the properties changes.
  void setVariables(std::vector<VariableProperty> variables);
  const std::vector<VariableProperty>& variables() const { return m_variables; }

protected:
  InvalidPointsFilter();
  ~InvalidPointsFilter() override;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  struct Checked
  {
    vtkAbstractArray* array;
    vtkMTimeType time;
    bool operator==(const Checked& other) const
    {
      return array == other.array && time == other.time;
    }
  };

  struct KeptColumn
  {
    vtkMTimeType time;
    unsigned generation;
    vtkSmartPointer<vtkAbstractArray> kept;
    vtkWeakPointer<vtkAbstractArray> source;
  };

  std::vector<vtkAbstractArray*> checkedColumns(vtkTable& input) const;
  void findValidRows(const std::vector<vtkAbstractArray*>& columns, vtkIdType rows);
  void copyValidRows(vtkTable& input, vtkTable& output);
  vtkSmartPointer<vtkAbstractArray> validRowsOf(vtkAbstractArray& column);

  std::vector<VariableProperty> m_variables;
  SignalConnectionCollection m_connections;
  std::vector<Checked> m_checked;
  vtkIdType m_checkedRows = -1;
  bool m_allValid = true;
  vtkNew<vtkIdList> m_validRows;
  unsigned m_generation = 0;
  // Columns cut to the valid rows, reused while neither the column nor the rows changed.
  std::map<vtkAbstractArray*, KeptColumn> m_kept;

  InvalidPointsFilter(const InvalidPointsFilter&) = delete;
  void operator=(const InvalidPointsFilter&) = delete;
};

/// A variable that counts only while its switch is on (size by data, colour by data): its
/// value is the variable's then, the null handle otherwise. It cannot be set.
class InvalidPointsFilter::RelevanceDependentVariableProperty
  : public vantor::PropertyAbstract<WeakPtr<Variable>>
{
public:
  RelevanceDependentVariableProperty(boost::shared_ptr<vantor::PropertyAbstract<bool>> relevance,
    VariableProperty variable);

private:
  void storeValue(const WeakPtr<Variable>&) override {}
  WeakPtr<Variable> retrieveValue() const override;

  boost::shared_ptr<vantor::PropertyAbstract<bool>> m_relevance;
  VariableProperty m_variable;
  SignalConnectionCollection m_connections;
};
