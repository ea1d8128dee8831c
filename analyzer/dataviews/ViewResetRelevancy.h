#pragma once

#include "host/viewsupport/DataViewVisitorAbstract.h"

/// Tells whether a view can be reset (fitted to its data): true for the chart kinds.
class ViewResetRelevancy : public DataViewVisitorAbstract
{
public:
  ViewResetRelevancy();

  bool viewCanReset() const { return m_canReset; }

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<LinePlotInterface> view) override;
  void visit(boost::shared_ptr<ScatterPlot2DInterface> view) override;
  void visit(boost::shared_ptr<ScatterPlot3DInterface> view) override;

private:
  bool m_canReset = false;
};
