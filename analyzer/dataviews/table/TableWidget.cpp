#include "analyzer/dataviews/table/TableWidget.h"

#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "analyzer/dataviews/table/ColumnOrder.h"
#include "analyzer/dataviews/table/ConstraintVizCellDecorator.h"
#include "analyzer/dataviews/table/TableRoles.h"
#include "host/core/ScopedExitAction.h"

#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <boost/make_shared.hpp>
#include <vtkQtTableView.h>

TableWidget::TableWidget(vtkSmartPointer<vtkQtTableView> widget, QWidget& parent)
  : m_widget(std::move(widget))
{
  delete parent.layout();
  auto* layout = new QVBoxLayout(&parent);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(&table());
}

bool TableWidget::exists() const
{
  return m_widget && m_widget->GetWidget();
}

QTableView& TableWidget::table() const
{
  return *qobject_cast<QTableView*>(m_widget->GetWidget());
}

void TableWidget::render()
{
  if (!exists())
    return;
  QTableView& view = table();
  const int horizontal = view.horizontalScrollBar()->sliderPosition();
  const int vertical = view.verticalScrollBar()->sliderPosition();
  ScopedExitAction restore(
    [&view, horizontal, vertical]
    {
      view.horizontalScrollBar()->setSliderPosition(horizontal);
      view.verticalScrollBar()->setSliderPosition(vertical);
    });
  m_widget->Update();
}

int TableWidget::width() const
{
  return exists() ? table().horizontalHeader()->length() : 0;
}

int TableWidget::height() const
{
  return exists() ? table().verticalHeader()->length() : 0;
}

void TableWidget::paintSelectedCases(std::function<bool(uint64_t)> test)
{
  if (!exists())
    return;
  if (auto* decorator = qobject_cast<ConstraintVizCellDecorator*>(table().itemDelegate()))
    decorator->setCaseSelectedTest(std::move(test));
}

std::set<uint64_t> TableWidget::casesOfRows(const std::function<bool(uint64_t)>& test) const
{
  std::set<uint64_t> cases;
  if (!exists())
    return cases;
  const QAbstractItemModel& model = *table().model();
  for (int row = 0; row < model.rowCount(); ++row)
  {
    const uint64_t caseId = model.index(row, 0).data(CaseIdRole).toULongLong();
    if (test(caseId))
      cases.insert(caseId);
  }
  return cases;
}

boost::shared_ptr<SerializerInterface> TableWidget::columnOrderSerializer() const
{
  QPointer<QHeaderView> header = table().horizontalHeader();
  return boost::make_shared<VectorSerializer<std::string>>(
    "ColumnOrder",
    [header] { return header ? columnOrder(*header) : std::vector<std::string>(); },
    [header](const std::vector<std::string>& names)
    {
      if (header)
        setColumnOrder(*header, names);
    });
}
