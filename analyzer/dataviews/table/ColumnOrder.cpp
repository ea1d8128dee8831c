#include "analyzer/dataviews/table/ColumnOrder.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <map>

namespace
{

std::string headerText(const QHeaderView& header, int logicalIndex)
{
  const QAbstractItemModel* model = header.model();
  if (!model)
    return {};
  return model->headerData(logicalIndex, header.orientation(), Qt::DisplayRole)
    .toString()
    .toStdString();
}

} // namespace

std::vector<std::string> columnOrder(const QHeaderView& header)
{
  std::vector<std::string> names;
  names.reserve(header.count());
  for (int visual = 0; visual < header.count(); ++visual)
    names.push_back(headerText(header, header.logicalIndex(visual)));
  return names;
}

void setColumnOrder(QHeaderView& header, const std::vector<std::string>& names)
{
  // By logical index: visual positions shift with every move below.
  std::map<std::string, int> logicalOf;
  for (int logical = 0; logical < header.count(); ++logical)
    logicalOf[headerText(header, logical)] = logical;

  // A saved name whose variable is gone is skipped; the known names keep their saved order.
  int target = 0;
  for (const std::string& name : names)
  {
    auto found = logicalOf.find(name);
    if (found == logicalOf.end() || target >= header.count())
      continue;
    header.moveSection(header.visualIndex(found->second), target);
    ++target;
  }
}
