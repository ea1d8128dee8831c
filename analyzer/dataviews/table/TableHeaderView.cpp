#include "analyzer/dataviews/table/TableHeaderView.h"

#include "analyzer/dataviews/table/VnWaitCursor.h"
#include "host/core/UndoStack.h"
#include "host/project/Project.h"
#include "host/project/Transaction.h"
#include "host/project/Variable.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QMenu>
#include <algorithm>

namespace
{

// Cells measured per column: only the rows in sight, as a table of a million rows must still
// open at once.
const int sampledRows = 0;
// A column of very long texts must not push the others out of sight.
const int widestFittedSection = 320;

} // namespace

TableHeaderView::TableHeaderView(QWidget* parent)
  : QHeaderView(Qt::Horizontal, parent)
{
  setResizeContentsPrecision(sampledRows);
  // The columns may arrive after the table is shown.
  connect(this,
    &QHeaderView::sectionCountChanged,
    this,
    [this]
    {
      if (isVisible())
        QMetaObject::invokeMethod(this, &TableHeaderView::fitSectionsOnce, Qt::QueuedConnection);
    });
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

void TableHeaderView::showEvent(QShowEvent* event)
{
  QHeaderView::showEvent(event);
  // Queued: the rows of a model reset in progress are not all laid out yet.
  QMetaObject::invokeMethod(this, &TableHeaderView::fitSectionsOnce, Qt::QueuedConnection);
}

void TableHeaderView::fitSectionsOnce()
{
  auto* table = qobject_cast<QAbstractItemView*>(parentWidget());
  if (m_fitted || !table || !isVisible() || count() == 0)
    return;
  m_fitted = true;
  for (int logical = 0; logical < count(); ++logical)
  {
    if (isSectionHidden(logical))
      continue;
    const int wanted = std::max(sectionSizeHint(logical), table->sizeHintForColumn(logical));
    if (wanted > sectionSize(logical))
      resizeSection(logical, std::min(wanted, std::max(widestFittedSection, sectionSize(logical))));
  }
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
