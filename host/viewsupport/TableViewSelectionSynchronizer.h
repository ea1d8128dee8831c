#pragma once

#include "host/core/SuspendableInterface.h"

#include <QPointer>
#include <algorithm>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

class QAbstractItemView;
class QItemSelectionModel;
class SelectionConverterInterface;
class SelectionModelInterface;

/// Keeps an item view's selected rows and the shared selection of case ids in step, both ways.
///
/// The pattern every view's synchronizer follows:
/// - The view draws the cases it shows selected (shownCases) itself. While it follows the shared
///   selection, these are the shared selection's own ids, so taking a selection of any size
///   costs nothing here; it keeps a copy only of what differs (the user's own rows, or what it
///   showed when suspended). QItemSelectionModel,
///   quadratic in the ranges it replaces and asked range by range for every painted cell, keeps
///   only what the user selects in the view.
/// - Only the user's own selecting in the view reaches the shared selection. Whatever the
///   synchronizer does to the view runs with the guard up, so a view showing a subset of the
///   cases (a filtered table) never narrows the shared selection by showing it.
/// - Suspended, it reacts to nothing; resuming shows the shared selection as it is then.
class TableViewSelectionSynchronizer : public SuspendableInterface
{
public:
  TableViewSelectionSynchronizer(boost::shared_ptr<SelectionModelInterface> master,
    QAbstractItemView& view,
    boost::shared_ptr<SelectionConverterInterface> converter);
  ~TableViewSelectionSynchronizer() override;
  TableViewSelectionSynchronizer(const TableViewSelectionSynchronizer&) = delete;
  TableViewSelectionSynchronizer& operator=(const TableViewSelectionSynchronizer&) = delete;

  void suspend() override;
  void resume() override;

  /// The cases the view shows selected, ascending, whether or not it has rows for them.
  const std::vector<uint64_t>& shownCases() const;
  bool showsCase(uint64_t caseId) const
  {
    const std::vector<uint64_t>& shown = shownCases();
    return std::binary_search(shown.begin(), shown.end(), caseId);
  }

protected:
  virtual void beginMasterSelectionMonitoring();
  virtual void endMasterSelectionMonitoring();
  /// The cases the user selected in the view become the shared selection.
  virtual void setLocalSelectionsToMaster();
  /// The view shows the shared selection.
  virtual void setMasterSelectionToLocal();

  SelectionModelInterface& master() const { return *m_master; }
  const SelectionConverterInterface& converter() const { return *m_converter; }

private:
  class InputWatcher;

  void onLocalSelectionChanged();
  void onMasterSelectionChanged();
  void connectToView();
  void repaint();
  void putShownCasesIntoItemSelection();
  QItemSelectionModel* itemSelection() const;

  boost::shared_ptr<SelectionModelInterface> m_master;
  QPointer<QAbstractItemView> m_view;
  boost::shared_ptr<SelectionConverterInterface> m_converter;
  boost::signals2::scoped_connection m_masterConnection;
  std::unique_ptr<InputWatcher> m_inputWatcher;
  /// What the view shows when it does not follow the shared selection.
  std::vector<uint64_t> m_shown;
  bool m_followsMaster = false;
  /// Whether the item selection holds the shown cases rather than nothing.
  bool m_itemSelectionHoldsShown = false;
  bool m_updating = false;
  bool m_suspended = false;
};
