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
  std::map<std::string, int> positionOf;
  for (int visual = 0; visual < header.count(); ++visual)
    positionOf[headerText(header, header.logicalIndex(visual))] = visual;

  // A saved name whose variable is gone is skipped; the known names keep their saved order.
  int target = 0;
  for (const std::string& name : names)
  {
    auto found = positionOf.find(name);
    if (found == positionOf.end() || target >= header.count())
      continue;
    header.moveSection(header.visualIndex(found->second), target);
    ++target;
  }
}
