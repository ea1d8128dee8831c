#pragma once

#include <boost/signals2/signal.hpp>
#include <cstdint>
#include <set>
#include <vector>

/// The application-wide selection of case identifiers shared by every view.
class SelectionModelInterface
{
public:
  virtual ~SelectionModelInterface() = default;

  virtual std::set<uint64_t> getSelections() const = 0;
  /// The same selection in ascending order, without a copy: for readers of large selections.
  virtual const std::vector<uint64_t>& sortedSelections() const = 0;
  /// Replaces the selection; announces it only when it changed.
  virtual void setSelection(const std::set<uint64_t>& caseIds) = 0;
  /// The same for ids already ascending and unique, as views that keep their picks in a vector
  /// have them: a large selection is taken over without building a tree.
  virtual void setSortedSelection(std::vector<uint64_t> caseIds) = 0;

  boost::signals2::signal<void()> signalSelectionChanged;

private:
  virtual void signalSelectionChangedConnected() const {}
};
