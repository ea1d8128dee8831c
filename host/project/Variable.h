#pragma once

#include "host/project/ValueType.h"
#include "host/project/VariableColumn.h"

#include <cstdint>
#include <string>
#include <utility>

class Transaction;

/// A quantity measured or computed for every case, with its column of values.
class Variable
{
public:
  /// The role a variable plays in the study; the numbers are fixed by the views.
  enum Nature
  {
    Other = 0,
    Dependent = 1,
    Independent = 2
  };
  using ValueType = ::ValueType;

  /// The name of the variable that holds the case identifiers.
  static const char* const caseIdName;

  Variable(uint64_t id, std::string name, Nature nature, ValueType type);
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;

  uint64_t id() const { return m_id; }
  const std::string& name() const { return m_name; }
  Nature nature() const { return m_nature; }
  ValueType valueType() const { return m_column.type(); }
  bool isNumeric() const { return valueType() != ValueType::Text; }
  /// A locked variable's values cannot be edited in the tables.
  bool isLocked() const { return m_locked; }
  bool isCaseId() const { return m_name == caseIdName; }
  /// Whether the variable is part of the project (an erased one is not, until undone).
  bool isAlive() const { return m_alive; }
  /// Smallest and largest value, NaN and NULL left out; (0, 0) for text or no values.
  std::pair<double, double> range() const { return m_column.range(); }
  /// Numeric variables holding NaN or NULL values sort their values as variants, since NaN
  /// has no place among numbers.
  bool hasVariantOrdering() const { return isNumeric() && m_column.hasSpecialValues(); }

  const VariableColumn& column() const { return m_column; }

  void erase(Transaction& transaction);
  void setLocked(Transaction& transaction, bool locked);
  void setNature(Transaction& transaction, Nature nature);

private:
  friend class Project;
  friend class ProjectEditor;
  friend class ProjectContents;

  uint64_t m_id;
  std::string m_name;
  Nature m_nature;
  bool m_locked = false;
  bool m_alive = false;
  VariableColumn m_column;
};
