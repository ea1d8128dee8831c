#pragma once

#include <boost/signals2/signal.hpp>
#include <cstdint>
#include <set>

/// The application-wide selection of case identifiers shared by every view.
class SelectionModelInterface
{
public:
  virtual ~SelectionModelInterface() = default;

  /// The current selection; valid until the next change of it.
  virtual const std::set<uint64_t>& getSelections() const = 0;
  /// Replaces the selection; announces it only when it changed.
  virtual void setSelection(const std::set<uint64_t>& caseIds) = 0;

  boost::signals2::signal<void()> signalSelectionChanged;

private:
  virtual void signalSelectionChangedConnected() const {}
};
