#include "host/project/AuxFile.h"

#include "host/project/ProjectEditor.h"
#include "host/project/Record.h"

#include <algorithm>

AuxFile::AuxFile(uint64_t id,
  std::string filePath,
  WeakPtr<Record> record,
  std::vector<std::string> tags)
  : m_id(id)
  , m_filePath(std::move(filePath))
  , m_record(std::move(record))
  , m_tags(std::move(tags))
{
}

bool AuxFile::hasTag(const std::string& tag) const
{
  return std::find(m_tags.begin(), m_tags.end(), tag) != m_tags.end();
}

void AuxFile::setTags(Transaction& transaction, std::vector<std::string> tags)
{
  ProjectEditor(transaction).setTags(*this, std::move(tags));
}

void AuxFile::erase(Transaction& transaction)
{
  ProjectEditor(transaction).eraseAuxFile(*this);
}
