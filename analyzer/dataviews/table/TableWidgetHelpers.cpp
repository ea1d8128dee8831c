#include "analyzer/dataviews/table/TableWidgetHelpers.h"

#include "host/core/ScopedExitAction.h"

#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <vtkQtTableView.h>

void installTableInParent(QWidget& parent, QTableView& table)
{
  delete parent.layout();
  auto* layout = new QVBoxLayout(&parent);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(&table);
}

void renderKeepingScrollPositions(vtkQtTableView& widget, QTableView& table)
{
  const int horizontal = table.horizontalScrollBar()->sliderPosition();
  const int vertical = table.verticalScrollBar()->sliderPosition();
  ScopedExitAction restore(
    [&table, horizontal, vertical]
    {
      table.horizontalScrollBar()->setSliderPosition(horizontal);
      table.verticalScrollBar()->setSliderPosition(vertical);
    });
  widget.Update();
}
