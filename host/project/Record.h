#pragma once

#include "host/common/Variant.h"
#include "host/project/WeakPtr.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <vector>
#include <vtkType.h>

class AuxFile;
class Transaction;
class Variable;

/// One case: its identifier, its row in the variables' columns and its attached files.
class Record
{
public:
  explicit Record(uint64_t caseId);

  /// The record's identifier is its case identifier.
  uint64_t id() const { return m_caseId; }
  uint64_t caseId() const { return m_caseId; }
  bool isAlive() const { return m_row >= 0; }
  /// Position in the variables' columns and in the pipeline's unfiltered table; -1 when erased.
  vtkIdType row() const { return m_row; }

  /// The value of a live variable; NULL for a variable that is gone.
  Variant data(const Variable& variable) const;
  std::vector<WeakPtr<AuxFile>> auxFiles() const;

  void setData(Transaction& transaction, const Variable& variable, const Variant& value);
  void erase(Transaction& transaction);

private:
  friend class ProjectEditor;
  friend class ProjectContents;
  friend class RecordStore;

  uint64_t m_caseId;
  vtkIdType m_row = -1;
  // Where the record store keeps this record.
  uint32_t m_block = 0;
  uint32_t m_offset = 0;
  std::vector<boost::shared_ptr<AuxFile>> m_auxFiles;
};
