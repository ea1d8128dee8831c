#include "host/imagesupport/ImageStyleSheets.h"

QString imageListViewStylesheet()
{
  return QStringLiteral("QListView { background-color: white; border: none; }");
}

QString imageTableViewStylesheet()
{
  return QStringLiteral(
    "QTableView { background-color: white; border: none; gridline-color: #e0e0e0; }"
    "QHeaderView::section { background-color: #f4f4f4; padding: 2px; border: none; }");
}
