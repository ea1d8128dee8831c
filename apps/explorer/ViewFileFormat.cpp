#include "apps/explorer/ViewFileFormat.h"

#include "apps/explorer/TableCsvWriter.h"

#include <QPointer>
#include <QTableView>

std::optional<ViewFileFormat> ViewFileFormat::of(const QString& kind, QWidget& container)
{
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
