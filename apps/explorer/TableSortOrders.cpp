#include "apps/explorer/TableSortOrders.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "apps/explorer/ViewKinds.h"

#include <QHeaderView>
#include <QTableView>
#include <map>

namespace
{

const QString sortOrderName = QStringLiteral("SortOrder");

/// The tables of the views, by kind and 1-based index among the views of that kind.
std::map<std::pair<QString, int>, QTableView*> tablesOf(const DataViewManagerInterface& manager,
  const TableSortOrders::ContainerOf& containerOf)
{
  std::map<std::pair<QString, int>, QTableView*> tables;
  std::map<QString, int> counts;
  for (const auto& view : manager.dataViews())
  {
    const QString kind = ViewKinds::nameOf(*view);
    const int index = ++counts[kind];
    QWidget* container = containerOf(view);
    if (auto* table = container ? container->findChild<QTableView*>() : nullptr)
      tables[{ kind, index }] = table;
  }
  return tables;
}

int sectionNamed(const QTableView& table, const QString& column)
{
  const QAbstractItemModel* model = table.model();
  for (int section = 0; model && section < model->columnCount(); ++section)
    if (model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString() == column)
      return section;
  return -1;
}

} // namespace

const QString TableSortOrders::elementName = QStringLiteral("Explorer");

QDomElement TableSortOrders::write(QDomDocument& document,
  const DataViewManagerInterface& manager,
  const ContainerOf& containerOf)
{
  QDomElement explorer = document.createElement(elementName);
  for (const auto& [key, table] : tablesOf(manager, containerOf))
  {
    const QHeaderView& header = *table->horizontalHeader();
    const int section = header.sortIndicatorSection();
    if (!table->isSortingEnabled() || !table->model() || section < 0 ||
        section >= table->model()->columnCount())
      continue;
    QDomElement order = document.createElement(sortOrderName);
    order.setAttribute(QStringLiteral("kind"), key.first);
    order.setAttribute(QStringLiteral("index"), key.second);
    order.setAttribute(QStringLiteral("column"),
      table->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString());
    order.setAttribute(QStringLiteral("order"),
      header.sortIndicatorOrder() == Qt::AscendingOrder ? QStringLiteral("ascending")
                                                        : QStringLiteral("descending"));
    explorer.appendChild(order);
  }
  return explorer;
}

QStringList TableSortOrders::restore(const QDomElement& explorer,
  const DataViewManagerInterface& manager,
  const ContainerOf& containerOf)
{
  QStringList problems;
  const auto tables = tablesOf(manager, containerOf);
  for (QDomElement order = explorer.firstChildElement(sortOrderName); !order.isNull();
       order = order.nextSiblingElement(sortOrderName))
  {
    const QString kind = order.attribute(QStringLiteral("kind"));
    const QString column = order.attribute(QStringLiteral("column"));
    const auto found = tables.find({ kind, order.attribute(QStringLiteral("index")).toInt() });
    const int section = found == tables.end() ? -1 : sectionNamed(*found->second, column);
    if (section < 0)
    {
      problems << QStringLiteral("The %1 view number %2 cannot be sorted by \"%3\": %4.")
                    .arg(kind,
                      order.attribute(QStringLiteral("index")),
                      column,
                      found == tables.end() ? QStringLiteral("there is no such view")
                                            : QStringLiteral("it has no such column"));
      continue;
    }
    const bool descending = order.attribute(QStringLiteral("order")) == QLatin1String("descending");
    found->second->sortByColumn(section, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
  }
  return problems;
}
