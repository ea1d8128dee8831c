#pragma once

#include "apps/explorer/TableSortOrders.h"
#include "host/project/CsvImporter.h"
#include "host/project/FilterSettings.h"
#include "host/project/ProjectContents.h"

#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <vector>

class DataPipelineManager;
class DataViewManagerInterface;

/// A project read from a file (or made), not yet in place.
struct OpenedProject
{
  ProjectContents contents;
  std::vector<FilterSettings> filters;
  /// The saved views, null when there are none; it belongs to `document`.
  QDomElement views;
  /// The explorer's own element (see TableSortOrders), null when there is none; in `document`.
  QDomElement explorer;
  QDomDocument document;
  /// Where Save writes without asking; empty when the project came from elsewhere.
  QString documentPath;
  QString displayName;
  /// The file it was read from; empty for the sample.
  QString sourcePath;
  /// Image files the project names that do not exist, with their full paths.
  QStringList missingImages;
  /// What the reader changed to read the file (a CSV file read as Latin-1), for the user.
  QStringList readerWarnings;
};

/// Reads projects from CSV files, project documents or the built-in sample, and saves them with
/// their views. Reading throws (ImportError, ProjectError) before anything is in place.
class ProjectFiles
{
public:
  static OpenedProject sample();
  static OpenedProject csv(const QString& path, const CsvImportOptions& options = {});
  static OpenedProject document(const QString& path);
  /// A CSV file by its ".csv" suffix, read with `csvOptions`, otherwise a project document.
  static OpenedProject open(const QString& path, const CsvImportOptions& csvOptions = {});
  static bool isCsv(const QString& path);

  /// The project document with the pipeline's filters, a "Views" element of the manager's
  /// views and the explorer's element with their sort orders. Throws ProjectError when the file
  /// cannot be written.
  static void save(const QString& path,
    const DataPipelineManager& pipeline,
    const boost::shared_ptr<DataViewManagerInterface>& manager,
    const TableSortOrders::ContainerOf& containerOf);
};
