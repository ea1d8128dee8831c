#pragma once

#include "host/viewsupport/DataViewVisitorAbstract.h"

/// Fits a chart view to its data. Only chart kinds may be visited.
class ResetViewVisitor : public DataViewVisitorAbstract
{
public:
  ResetViewVisitor();

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<LinePlotInterface> view) override;
  void visit(boost::shared_ptr<ScatterPlot2DInterface> view) override;
  void visit(boost::shared_ptr<ScatterPlot3DInterface> view) override;
};
