#include "host/viewsupport/DataViewVisitorAbstract.h"

#include <QtGlobal>

DataViewVisitorAbstract::DataViewVisitorAbstract(AssertStatus status)
  : m_status(status)
{
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<TableViewInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<SelectedImageViewInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<SelectedCasesViewInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<ScatterPlot3DInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<ScatterPlot2DInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<LinePlotInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<ImageMatrixViewInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visit(boost::shared_ptr<ImageDiffViewInterface>)
{
  visitAnyViewType();
}

void DataViewVisitorAbstract::visitAnyViewType()
{
  if (m_status == ReportUnhandledViews)
    qWarning("A view visitor reached a kind of view it does not handle.");
}
