#include "apps/explorer/ViewExport.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "apps/explorer/ViewFileFormat.h"
#include "apps/explorer/ViewKinds.h"
#include "apps/explorer/ViewsDocument.h"
#include "host/core/ExceptionBase.h"

#include <QDir>
#include <map>

namespace
{

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
    QWidget* container = containerOf(view);
    const auto format = container ? ViewFileFormat::of(kind, *container, *manager) : std::nullopt;
    if (!format)
      continue;
    const QString path = dir.filePath(numberedName(kind, used) + "." + format->suffix);
    format->write(path);
    written << path;
  }
  return written;
}
