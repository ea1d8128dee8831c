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
  OpenedProject opened;
  opened.contents = SampleProject::contents(SampleProject::defaultImageFolder());
  opened.filters = SampleProject::filters();
  opened.displayName = QStringLiteral("Sample beam study");
  return opened;
}

OpenedProject ProjectFiles::csv(const QString& path, const CsvImportOptions& options)
{
  CsvImportResult imported = CsvImporter(options).import(path);
  OpenedProject opened;
  opened.contents = std::move(imported.contents);
  opened.displayName = QFileInfo(path).fileName();
  opened.sourcePath = QFileInfo(path).absoluteFilePath();
  for (const std::string& missing : imported.missingImageFiles)
    opened.missingImages << QString::fromStdString(missing);
  for (const std::string& warning : imported.warnings)
    opened.readerWarnings << QString::fromStdString(warning);
  return opened;
}

OpenedProject ProjectFiles::document(const QString& path)
{
  LoadedProjectDocument loaded = ProjectDocumentReader::read(path);
  OpenedProject opened;
  opened.contents = std::move(loaded.contents);
  opened.filters = std::move(loaded.filters);
  opened.document = loaded.document;
  opened.documentPath = QFileInfo(path).absoluteFilePath();
  opened.displayName = QFileInfo(path).fileName();
  opened.sourcePath = opened.documentPath;
  for (const QDomElement& element : loaded.otherElements)
  {
    if (element.tagName() == QLatin1String("Views"))
      opened.views = element;
    else if (element.tagName() == TableSortOrders::elementName)
      opened.explorer = element;
  }
  return opened;
}

OpenedProject ProjectFiles::open(const QString& path, const CsvImportOptions& csvOptions)
{
  return isCsv(path) ? csv(path, csvOptions) : document(path);
}

bool ProjectFiles::isCsv(const QString& path)
{
  return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

void ProjectFiles::save(const QString& path,
  const DataPipelineManager& pipeline,
  const boost::shared_ptr<DataViewManagerInterface>& manager,
  const TableSortOrders::ContainerOf& containerOf)
{
  const ViewsDocument views(manager);
  ProjectDocumentWriter::write(path,
    filterSettings(pipeline),
    [&](QDomDocument& document, QDomElement& root)
    {
      root.appendChild(views.viewsElement(document));
      root.appendChild(TableSortOrders::write(document, *manager, containerOf));
    });
}
