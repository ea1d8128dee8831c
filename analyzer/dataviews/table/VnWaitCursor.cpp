#include "analyzer/dataviews/table/VnWaitCursor.h"

#include <QApplication>
#include <QCursor>

VnWaitCursor::VnWaitCursor()
{
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

VnWaitCursor::~VnWaitCursor()
{
  QApplication::restoreOverrideCursor();
}
