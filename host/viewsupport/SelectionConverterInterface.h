#pragma once

#include <QItemSelection>
#include <cstdint>
#include <set>

class QItemSelectionModel;

/// Translates between the rows selected in an item view and case identifiers.
class SelectionConverterInterface
{
public:
  virtual ~SelectionConverterInterface() = default;
  virtual std::set<uint64_t> rowsToCaseIds(const QItemSelectionModel& selection) const = 0;
  virtual QItemSelection caseIdsToSelection(const std::set<uint64_t>& caseIds) const = 0;
};
