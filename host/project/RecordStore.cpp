#include "host/project/RecordStore.h"

#include <boost/make_shared.hpp>

namespace
{

const std::size_t blockSize = 4096;

} // namespace

boost::shared_ptr<Record> RecordStore::create(uint64_t caseId)
{
  if (m_blocks.empty() || m_blocks.back()->size() == blockSize)
  {
    m_blocks.push_back(boost::make_shared<Block>());
    m_blocks.back()->reserve(blockSize);
  }
  Block& block = *m_blocks.back();
  block.emplace_back(caseId);
  Record& record = block.back();
  record.m_block = static_cast<uint32_t>(m_blocks.size() - 1);
  record.m_offset = static_cast<uint32_t>(block.size() - 1);
  return handle({ record.m_block, record.m_offset });
}

void RecordStore::reserve(std::size_t records)
{
  m_rows.reserve(records);
  m_byId.reserve(records);
}

boost::shared_ptr<Record> RecordStore::handle(Slot slot) const
{
  // Shares the block's ownership: the block never shrinks, so the record stays in place.
  return boost::shared_ptr<Record>(m_blocks[slot.block], &at(slot));
}

boost::shared_ptr<Record> RecordStore::find(uint64_t caseId) const
{
  const auto found = m_byId.find(caseId);
  return found == m_byId.end() ? boost::shared_ptr<Record>() : handle(found->second);
}

boost::shared_ptr<Record> RecordStore::atRow(vtkIdType row) const
{
  if (row < 0 || row >= size())
    return {};
  return handle(m_rows[static_cast<std::size_t>(row)]);
}

vtkIdType RecordStore::rowOf(uint64_t caseId) const
{
  const auto found = m_byId.find(caseId);
  return found == m_byId.end() ? -1 : at(found->second).m_row;
}

void RecordStore::append(const boost::shared_ptr<Record>& record)
{
  record->m_row = size();
  const Slot slot{ record->m_block, record->m_offset };
  m_rows.push_back(slot);
  m_byId[record->m_caseId] = slot;
}

void RecordStore::insert(const std::vector<boost::shared_ptr<Record>>& records,
  const std::vector<vtkIdType>& rows)
{
  if (records.empty())
    return;
  std::vector<Slot> merged;
  merged.reserve(m_rows.size() + records.size());
  std::size_t old = 0;
  for (std::size_t i = 0; i < records.size(); ++i)
  {
    while (static_cast<vtkIdType>(merged.size()) < rows[i])
      merged.push_back(m_rows[old++]);
    const Slot slot{ records[i]->m_block, records[i]->m_offset };
    merged.push_back(slot);
    m_byId[records[i]->m_caseId] = slot;
  }
  merged.insert(merged.end(), m_rows.begin() + static_cast<std::ptrdiff_t>(old), m_rows.end());
  m_rows.swap(merged);
  renumberFrom(rows.front());
}

void RecordStore::remove(const std::vector<vtkIdType>& rows)
{
  if (rows.empty())
    return;
  std::size_t next = 0;
  std::size_t write = static_cast<std::size_t>(rows.front());
  for (std::size_t read = write; read < m_rows.size(); ++read)
  {
    if (next < rows.size() && static_cast<std::size_t>(rows[next]) == read)
    {
      Record& record = at(m_rows[read]);
      record.m_row = -1;
      m_byId.erase(record.m_caseId);
      ++next;
      continue;
    }
    m_rows[write++] = m_rows[read];
  }
  m_rows.resize(write);
  renumberFrom(rows.front());
}

void RecordStore::renumberFrom(vtkIdType row)
{
  for (std::size_t i = static_cast<std::size_t>(row); i < m_rows.size(); ++i)
    at(m_rows[i]).m_row = static_cast<vtkIdType>(i);
}
