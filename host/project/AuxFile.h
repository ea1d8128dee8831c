#pragma once

#include "host/project/WeakPtr.h"

#include <cstdint>
#include <string>
#include <vector>

class Record;
class Transaction;

/// A file attached to a case, usually an image, with the tags the user gave it.
class AuxFile
{
public:
  AuxFile(uint64_t id, std::string filePath, WeakPtr<Record> record, std::vector<std::string> tags);
  AuxFile(const AuxFile&) = delete;
  AuxFile& operator=(const AuxFile&) = delete;

  uint64_t id() const { return m_id; }
  bool isAlive() const { return m_alive; }
  /// Absolute path of the file.
  const std::string& filePath() const { return m_filePath; }
  WeakPtr<Record> record() const { return m_record; }
  /// In the order given; image views use the first one to pick images.
  const std::vector<std::string>& tags() const { return m_tags; }
  bool hasTag(const std::string& tag) const;

  void setTags(Transaction& transaction, std::vector<std::string> tags);
  void erase(Transaction& transaction);

private:
  friend class ProjectEditor;
  friend class ProjectContents;

  uint64_t m_id;
  std::string m_filePath;
  WeakPtr<Record> m_record;
  std::vector<std::string> m_tags;
  bool m_alive = false;
};
