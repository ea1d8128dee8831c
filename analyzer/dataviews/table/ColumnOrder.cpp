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

  for (int target = 0; target < static_cast<int>(names.size()); ++target)
  {
    auto found = positionOf.find(names[target]);
    const int logical = found == positionOf.end() ? 0 : found->second;
    if (target < header.count())
      header.moveSection(header.visualIndex(logical), target);
  }
}
