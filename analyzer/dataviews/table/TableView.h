#pragma once

#include "analyzer/dataviews/TableViewInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <cstdint>
#include <memory>
#include <set>

class DataPipelineManagerInterface;
class QTableView;
class QWidget;
class SelectionModelInterface;

/// The spreadsheet of all cases, filtered or not, sharing the selection with every other view.
class TableView
  : public virtual TableViewInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<TableView>
{
public:
  static const char* const m_domName;

  TableView(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    QWidget& parent);
  ~TableView() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void accept(DataViewVisitorInterface& visitor) override;
  void adjustSelectionForMouseClickAtPoint() override;
  boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() override;
  void render() override;
  void suspend() override;
  void resume() override;

  boost::shared_ptr<vantor::PropertyAbstract<bool>> useFilters() override;
  int width() const override;
  int height() const override;

  QTableView& tableView() const;
  /// The cases of the rows the table shows selected.
  std::set<uint64_t> selections() const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
