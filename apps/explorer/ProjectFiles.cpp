#include "apps/explorer/ProjectFiles.h"

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "apps/explorer/ViewsDocument.h"
#include "host/pipeline/FilterSettingsConversion.h"
#include "host/project/ProjectDocumentReader.h"
#include "host/project/ProjectDocumentWriter.h"
#include "host/sample/SampleProject.h"

#include <QFileInfo>

OpenedProject ProjectFiles::sample()
{
  OpenedProject opened{ SampleProject::contents(SampleProject::defaultImageFolder()),
    SampleProject::filters(),
    {},
    {},
    {},
    QStringLiteral("Sample beam study") };
  return opened;
}

OpenedProject ProjectFiles::csv(const QString& path, const CsvImportOptions& options)
{
  OpenedProject opened{
    CsvImporter(options).read(path), {}, {}, {}, {}, QFileInfo(path).fileName()
  };
  return opened;
}

OpenedProject ProjectFiles::document(const QString& path)
{
  LoadedProjectDocument loaded = ProjectDocumentReader::read(path);
  OpenedProject opened{ std::move(loaded.contents),
    std::move(loaded.filters),
    {},
    loaded.document,
    QFileInfo(path).absoluteFilePath(),
    QFileInfo(path).fileName() };
  for (const QDomElement& element : loaded.otherElements)
    if (element.tagName() == QLatin1String("Views"))
      opened.views = element;
  return opened;
}

OpenedProject ProjectFiles::open(const QString& path)
{
  return isCsv(path) ? csv(path) : document(path);
}

bool ProjectFiles::isCsv(const QString& path)
{
  return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

void ProjectFiles::save(const QString& path,
  const DataPipelineManager& pipeline,
  const boost::shared_ptr<DataViewManagerInterface>& manager)
{
  const ViewsDocument views(manager);
  ProjectDocumentWriter::write(path,
    filterSettings(pipeline),
    [&views](QDomDocument& document, QDomElement& root)
    { root.appendChild(views.viewsElement(document)); });
}
