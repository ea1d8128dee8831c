#pragma once

#include "host/core/SuspendableInterface.h"

#include <QMetaObject>
#include <QPointer>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <cstdint>
#include <set>

class QAbstractItemView;
class SelectionConverterInterface;
class SelectionModelInterface;

/// Keeps an item view's row selection and the shared selection of case ids in step, both ways.
/// A change that one side makes is not echoed back to it, and the view's selection is left
/// untouched when the shared selection it would show is the one it shows already.
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

protected:
  virtual void beginMasterSelectionMonitoring();
  virtual void endMasterSelectionMonitoring();
  /// The view's selected rows become the shared selection.
  virtual void setLocalSelectionsToMaster();
  /// The shared selection is shown as the view's selected rows.
  virtual void setMasterSelectionToLocal();

  SelectionModelInterface& master() const { return *m_master; }
  const SelectionConverterInterface& converter() const { return *m_converter; }

private:
  void onLocalSelectionChanged();
  void onMasterSelectionChanged();
  void connectToView();

  boost::shared_ptr<SelectionModelInterface> m_master;
  QPointer<QAbstractItemView> m_view;
  boost::shared_ptr<SelectionConverterInterface> m_converter;
  boost::signals2::scoped_connection m_masterConnection;
  QMetaObject::Connection m_localConnection;
  std::set<uint64_t> m_shown;
  bool m_shownValid = false;
  bool m_updating = false;
  bool m_suspended = false;
};
