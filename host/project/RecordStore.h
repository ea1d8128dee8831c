#pragma once

#include "host/project/Record.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <unordered_map>
#include <vector>
#include <vtkType.h>

/// The project's records. They live in large blocks, so that a million cases cost no
/// allocation each; handles to a record share its block, and a record stays in its block after
/// it is erased so that undo brings back the same object.
class RecordStore
{
public:
  RecordStore() = default;
  RecordStore(const RecordStore&) = delete;
  RecordStore& operator=(const RecordStore&) = delete;
  RecordStore(RecordStore&&) = default;
  RecordStore& operator=(RecordStore&&) = default;

  /// A new record, not yet in any row.
  boost::shared_ptr<Record> create(uint64_t caseId);
  void reserve(std::size_t records);

  vtkIdType size() const { return static_cast<vtkIdType>(m_rows.size()); }
  bool contains(uint64_t caseId) const { return m_byId.count(caseId) != 0; }
  /// The live record of a case, or empty.
  boost::shared_ptr<Record> find(uint64_t caseId) const;
  boost::shared_ptr<Record> atRow(vtkIdType row) const;
  /// The row of a live case, or -1; cheaper than find() where only the row matters.
  vtkIdType rowOf(uint64_t caseId) const;

  void append(const boost::shared_ptr<Record>& record);
  /// Puts the records, given in ascending order of their new rows, at those rows.
  void insert(const std::vector<boost::shared_ptr<Record>>& records,
    const std::vector<vtkIdType>& rows);
  /// Takes the records of the ascending rows out of the rows; they become erased.
  void remove(const std::vector<vtkIdType>& rows);

private:
  struct Slot
  {
    uint32_t block;
    uint32_t offset;
  };
  using Block = std::vector<Record>;

  boost::shared_ptr<Record> handle(Slot slot) const;
  Record& at(Slot slot) const { return (*m_blocks[slot.block])[slot.offset]; }
  void renumberFrom(vtkIdType row);

  std::vector<boost::shared_ptr<Block>> m_blocks;
  std::vector<Slot> m_rows;
  std::unordered_map<uint64_t, Slot> m_byId;
};
