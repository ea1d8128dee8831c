#include "analyzer/dataviews/table/TableWidgetAssembly.h"

#include "analyzer/dataviews/table/ConstraintVizCellDecorator.h"
#include "analyzer/dataviews/table/ConstraintVizProxyModel.h"
#include "analyzer/dataviews/table/CustomSortProxyModel.h"
#include "analyzer/dataviews/table/NumericConversionDelegate.h"
#include "analyzer/dataviews/table/TableHeaderView.h"

#include <QPalette>
#include <QTableView>
#include <vtkQtTableView.h>

namespace
{

// Violating values are painted pure red also on selected rows; the style's usual dark
// selection colour would swallow them, so selected rows get a light one.
void useLightSelectionColours(QTableView& table)
{
  QPalette palette = table.palette();
  for (const auto group : { QPalette::Active, QPalette::Inactive })
  {
    palette.setColor(group, QPalette::Highlight, QColor(196, 222, 246));
    palette.setColor(group, QPalette::HighlightedText, Qt::black);
  }
  table.setPalette(palette);
}

} // namespace

vtkSmartPointer<vtkQtTableView> assembleTableWidget(
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  const std::function<QAbstractItemModel*(QAbstractItemView&)>& modelFactory)
{
  auto widget = vtkSmartPointer<vtkQtTableView>::New();
  auto* table = qobject_cast<QTableView*>(widget->GetWidget());

  auto* header = new TableHeaderView(table);
  header->setSectionsClickable(true);
  header->setHighlightSections(true);
  table->setHorizontalHeader(header);
  header->setSortIndicator(0, Qt::AscendingOrder);
  header->setHighlightSections(false);
  table->verticalHeader()->hide();
  useLightSelectionColours(*table);
  // Before the rows exist: set afterwards, the mode is written into every row's section.
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  widget->Update();

  QAbstractItemModel* source = modelFactory(*table);
  auto* sorting = new CustomSortProxyModel(source);
  sorting->setSourceModel(source);
  auto* constraints = new ConstraintVizProxyModel(*sorting, std::move(pipeline));
  table->setModel(constraints);

  auto* numeric = new NumericConversionDelegate(table);
  table->setItemDelegate(new ConstraintVizCellDecorator(*constraints, *numeric, table));

  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  header->setSectionsMovable(true);
  table->setSortingEnabled(true);
  return widget;
}
