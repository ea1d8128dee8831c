#pragma once

#include <set>
#include <string>
#include <vector>

class AuxFile;
class Transaction;

/// Questions and edits about the tags of the project's aux files.
class TagOperations
{
public:
  /// Every tag of the files of those cases, sorted; unknown cases are skipped.
  static std::set<std::string> tagsOfCases(const std::vector<uint64_t>& caseIds);
  /// The cases with a file carrying the tag, in record order.
  static std::vector<uint64_t> casesWithTag(const std::string& tag);
  /// Name of the project's tag group holding the tag, empty when none does.
  static std::string groupOfTag(const std::string& tag);

  /// Adds the tag at the end unless the file has it; the file must be locked.
  static void addTag(Transaction& transaction, AuxFile& auxFile, const std::string& tag);
  static void removeTag(Transaction& transaction, AuxFile& auxFile, const std::string& tag);
};
