#include "analyzer/dataviews/ViewResetRelevancy.h"

ViewResetRelevancy::ViewResetRelevancy()
  : DataViewVisitorAbstract(AcceptAnyView)
{
}

void ViewResetRelevancy::visit(boost::shared_ptr<LinePlotInterface>)
{
  m_canReset = true;
}

void ViewResetRelevancy::visit(boost::shared_ptr<ScatterPlot2DInterface>)
{
  m_canReset = true;
}

void ViewResetRelevancy::visit(boost::shared_ptr<ScatterPlot3DInterface>)
{
  m_canReset = true;
}
