#pragma once

#include "analyzer/dataviews/DataViewVisitorInterface.h"

/// Base of visitors: every kind of view not handled by the concrete visitor goes to
/// visitAnyViewType. With ReportUnhandledViews that is an error in the visitor's logic: it is
/// reported through Qt's warning channel (and asserts in debug builds).
class DataViewVisitorAbstract : public DataViewVisitorInterface
{
public:
  enum AssertStatus
  {
    AcceptAnyView = 0,
    ReportUnhandledViews = 1
  };

  explicit DataViewVisitorAbstract(AssertStatus status);

  void visit(boost::shared_ptr<TableViewInterface> view) override;
  void visit(boost::shared_ptr<SelectedImageViewInterface> view) override;
  void visit(boost::shared_ptr<SelectedCasesViewInterface> view) override;
  void visit(boost::shared_ptr<ScatterPlot3DInterface> view) override;
  void visit(boost::shared_ptr<ScatterPlot2DInterface> view) override;
  void visit(boost::shared_ptr<LinePlotInterface> view) override;
  void visit(boost::shared_ptr<ImageMatrixViewInterface> view) override;
  void visit(boost::shared_ptr<ImageDiffViewInterface> view) override;

protected:
  virtual void visitAnyViewType();

private:
  AssertStatus m_status;
};
