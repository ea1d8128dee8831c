#pragma once

#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <memory>

class DataPipelineManagerInterface;
class QTableView;
class QWidget;
class SelectionModelInterface;

/// The table of the cases selected anywhere; selecting rows in it changes nothing elsewhere.
class SelectedCasesView
  : public virtual SelectedCasesViewInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<SelectedCasesView>
{
public:
  static const char* const m_domName;

  SelectedCasesView(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    QWidget& parent);
  ~SelectedCasesView() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void accept(DataViewVisitorInterface& visitor) override;
  void adjustSelectionForMouseClickAtPoint() override;
  boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() override;
  void render() override;
  void suspend() override;
  void resume() override;

  int width() const override;
  int height() const override;
  std::set<uint64_t> selections() const override;

  QTableView& tableView() const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
