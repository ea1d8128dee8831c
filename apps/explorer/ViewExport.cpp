#include "apps/explorer/ViewExport.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "apps/explorer/ImageViewActions.h"
#include "apps/explorer/TableCsvWriter.h"
#include "apps/explorer/ViewKinds.h"
#include "apps/explorer/ViewsDocument.h"
#include "host/core/ExceptionBase.h"

#include <QDir>
#include <QTableView>
#include <map>

namespace
{

bool isTabular(const QString& kind)
{
  return kind == QLatin1String("table") || kind == QLatin1String("selected-cases");
}

QString numberedName(const QString& kind, std::map<QString, int>& used)
{
  const int count = ++used[kind];
  return count == 1 ? kind : QStringLiteral("%1-%2").arg(kind).arg(count);
}

} // namespace

QStringList ViewExport::write(const QString& folder,
  const boost::shared_ptr<DataViewManagerInterface>& manager,
  const ContainerOf& containerOf)
{
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral(".")))
    throw vantor::ExceptionBase(
      QStringLiteral("Cannot make the folder \"%1\".").arg(folder).toStdString());

  QStringList written;
  const QString views = dir.filePath(QStringLiteral("views.xml"));
  ViewsDocument(manager).write(views);
  written << views;

  std::map<QString, int> used;
  for (const auto& view : manager->dataViews())
  {
    const QString kind = ViewKinds::nameOf(*view);
    if (ImageViewActions::isPictured(kind) && containerOf(view))
    {
      const QString path = dir.filePath(numberedName(kind, used) + ".png");
      ImageViewActions::writePicture(*containerOf(view), *manager->imageLoader(), path);
      written << path;
      continue;
    }
    QWidget* container = isTabular(kind) ? containerOf(view) : nullptr;
    const QTableView* table = container ? container->findChild<QTableView*>() : nullptr;
    if (!table)
      continue;
    const QString path = dir.filePath(numberedName(kind, used) + ".csv");
    TableCsvWriter::write(*table, path);
    written << path;
  }
  return written;
}
