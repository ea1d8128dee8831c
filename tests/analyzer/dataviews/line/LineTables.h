#pragma once

#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vtkDoubleArray.h>
#include <vtkNew.h>
#include <vtkSmartPointer.h>
#include <vtkStringArray.h>
#include <vtkTable.h>
#include <vtkTypeUInt64Array.h>

/// Tables for the line algorithms: column 0 holds case ids 1..n, the other columns are named
/// after variables of a project that holds just those names.
inline void loadLineVariables(std::initializer_list<const char*> names)
{
  ProjectContents contents;
  for (const char* name : names)
    contents.addVariable(name, Variable::Independent, ValueType::Real);
  Project::project().assign(std::move(contents));
}

inline WeakPtr<Variable> lineVariable(const std::string& name)
{
  return Project::project().variable(name);
}

inline vtkSmartPointer<vtkTable> caseTable(vtkIdType rows)
{
  auto table = vtkSmartPointer<vtkTable>::New();
  vtkNew<vtkTypeUInt64Array> ids;
  ids->SetName("Case");
  for (vtkIdType row = 0; row < rows; ++row)
    ids->InsertNextValue(static_cast<uint64_t>(row + 1));
  table->AddColumn(ids);
  return table;
}

inline void addReals(vtkTable* table, const char* name, std::initializer_list<double> values)
{
  vtkNew<vtkDoubleArray> column;
  column->SetName(name);
  for (double value : values)
    column->InsertNextValue(value);
  table->AddColumn(column);
}

inline void addTexts(vtkTable* table, const char* name, std::initializer_list<const char*> values)
{
  vtkNew<vtkStringArray> column;
  column->SetName(name);
  for (const char* value : values)
    column->InsertNextValue(value);
  table->AddColumn(column);
}

inline std::vector<uint64_t> caseIds(vtkTable* table)
{
  std::vector<uint64_t> ids;
  for (vtkIdType row = 0; row < table->GetNumberOfRows(); ++row)
    ids.push_back(table->GetValue(row, 0).ToTypeUInt64());
  return ids;
}
