#include "apps/explorer/TableCsvWriter.h"

#include "host/core/ExceptionBase.h"

#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTextStream>
#include <vector>

namespace
{

void writeLine(QTextStream& out, const QStringList& fields)
{
  QStringList quoted;
  for (const QString& text : fields)
    quoted << TableCsvWriter::field(text);
  out << quoted.join(',') << '\n';
}

} // namespace

std::vector<int> TableCsvWriter::shownSections(const QHeaderView& header)
{
  std::vector<int> sections;
  for (int visual = 0; visual < header.count(); ++visual)
  {
    const int logical = header.logicalIndex(visual);
    if (!header.isSectionHidden(logical))
      sections.push_back(logical);
  }
  return sections;
}

void TableCsvWriter::write(const QTableView& table, QTextStream& out)
{
  const QAbstractItemModel* model = table.model();
  if (!model)
    return;
  const std::vector<int> columns = shownSections(*table.horizontalHeader());
  QStringList fields;
  for (int column : columns)
    fields << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  writeLine(out, fields);
  for (int row : shownSections(*table.verticalHeader()))
  {
    fields.clear();
    for (int column : columns)
      fields << model->index(row, column).data(Qt::DisplayRole).toString();
    writeLine(out, fields);
  }
}

void TableCsvWriter::write(const QTableView& table, const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    throw vantor::ExceptionBase(
      QStringLiteral("Cannot write \"%1\": %2.").arg(path, file.errorString()).toStdString());
  QTextStream out(&file);
  out.setCodec("UTF-8");
  write(table, out);
  out.flush();
  if (out.status() != QTextStream::Ok)
    throw vantor::ExceptionBase(
      QStringLiteral("Cannot write \"%1\": %2.").arg(path, file.errorString()).toStdString());
}

QString TableCsvWriter::field(const QString& text)
{
  const bool needsQuotes = text.contains(',') || text.contains('"') || text.contains('\n') ||
                           text.contains('\r') || text != text.trimmed();
  if (!needsQuotes)
    return text;
  QString escaped = text;
  escaped.replace('"', QLatin1String("\"\""));
  return '"' + escaped + '"';
}
