#pragma once

#include <cstdint>
#include <vector>

/// What one committed transaction (or its undo or redo) changed, as told to the project's
/// listeners. Records are named by case identifier, variables and aux files by identifier.
struct TransactionRecord
{
  struct CellChange
  {
    uint64_t caseId;
    uint64_t variableId;
  };

  std::vector<uint64_t> addedVariables;
  std::vector<uint64_t> removedVariables;
  /// Variables whose nature or locked flag changed.
  std::vector<uint64_t> changedVariables;
  std::vector<uint64_t> addedRecords;
  std::vector<uint64_t> erasedRecords;
  std::vector<uint64_t> addedAuxFiles;
  std::vector<uint64_t> erasedAuxFiles;
  std::vector<CellChange> changedValues;
  /// Tags of aux files or the tag groups changed.
  bool tagsChanged = false;
  /// The whole project was replaced (a file opened); nothing else is listed.
  bool projectReplaced = false;

  bool isEmpty() const;
  /// Whether variables or records came or went, so that tables change shape.
  bool changesStructure() const;
  /// The record of undoing this change.
  TransactionRecord inverse() const;
};
