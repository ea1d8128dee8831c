#include "apps/explorer/ViewFileFormat.h"

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "apps/explorer/ImageViewActions.h"
#include "apps/explorer/TableCsvWriter.h"

#include <QPointer>
#include <QTableView>

std::optional<ViewFileFormat> ViewFileFormat::of(const QString& kind,
  QWidget& container,
  const DataViewManagerInterface& manager)
{
  if (ImageViewActions::isPictured(kind))
  {
    QPointer<QWidget> shown = &container;
    const auto loader = manager.imageLoader();
    return ViewFileFormat{ QStringLiteral("PNG images (*.png)"),
      QStringLiteral("png"),
      [shown, loader](const QString& path)
      {
        if (shown && loader)
          ImageViewActions::writePicture(*shown, *loader, path);
      } };
  }
  if (kind == QLatin1String("table") || kind == QLatin1String("selected-cases"))
  {
    QPointer<QTableView> table = container.findChild<QTableView*>();
    if (!table)
      return std::nullopt;
    return ViewFileFormat{ QStringLiteral("CSV files (*.csv)"),
      QStringLiteral("csv"),
      [table](const QString& path)
      {
        if (table)
          TableCsvWriter::write(*table, path);
      } };
  }
  return std::nullopt;
}
