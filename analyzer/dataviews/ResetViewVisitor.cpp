#include "analyzer/dataviews/ResetViewVisitor.h"

#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"

ResetViewVisitor::ResetViewVisitor()
  : DataViewVisitorAbstract(ReportUnhandledViews)
{
}

void ResetViewVisitor::visit(boost::shared_ptr<LinePlotInterface> view)
{
  view->fitData();
}

// The 2D charts re-render in their own reaction to the fit; the 3D view does not.
void ResetViewVisitor::visit(boost::shared_ptr<ScatterPlot2DInterface> view)
{
  view->fitData();
}

void ResetViewVisitor::visit(boost::shared_ptr<ScatterPlot3DInterface> view)
{
  view->fitData();
  view->render();
}
