#include "analyzer/dataviews/table/TableHeaderView.h"

#include "analyzer/dataviews/table/VnWaitCursor.h"
#include "host/core/UndoStack.h"
#include "host/project/Project.h"
#include "host/project/Transaction.h"
#include "host/project/Variable.h"

#include <QContextMenuEvent>
#include <QMenu>

TableHeaderView::TableHeaderView(QWidget* parent)
  : QHeaderView(Qt::Horizontal, parent)
{
}

void TableHeaderView::deleteVariable()
{
  VnWaitCursor waiting;
  const QString text = QStringLiteral("Delete ") + m_columnName + QStringLiteral(" Variable");
  UndoStack::Macro macro(text);
  Transaction transaction = Project::project().startTransaction(text);
  transaction.allowErasure();
  auto variable = Project::project().variable(m_columnName.toStdString()).lock(transaction);
  if (variable)
    variable->erase(transaction);
  transaction.commit();
}

void TableHeaderView::contextMenuEvent(QContextMenuEvent* event)
{
  const int column = columnAt(event->pos().x());
  if (column < 0)
    return;
  const auto variables = Project::project().variables();
  if (column >= int(variables.size()))
    return;
  auto variable = variables[column].lock();
  if (!variable)
    return;
  QMenu menu(this);
  populateContextMenu(menu, QString::fromStdString(variable->name()));
  menu.exec(event->globalPos());
}

int TableHeaderView::columnAt(int position) const
{
  return logicalIndexAt(position);
}

void TableHeaderView::populateContextMenu(QMenu& menu, const QString& columnName)
{
  m_columnName = columnName;
  QAction* action = menu.addAction(QStringLiteral("Delete Variable"));
  action->setEnabled(columnName != QLatin1String(Variable::caseIdName));
  connect(action, &QAction::triggered, this, &TableHeaderView::deleteVariable);
}
