#pragma once

#include "host/project/CsvImporter.h"
#include "host/project/FilterSettings.h"
#include "host/project/ProjectContents.h"

#include <QDomDocument>
#include <QString>
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
  QDomDocument document;
  /// Where Save writes without asking; empty when the project came from elsewhere.
  QString documentPath;
  QString displayName;
};

/// Reads projects from CSV files, project documents or the built-in sample, and saves them with
/// their views. Reading throws (ImportError, ProjectError) before anything is in place.
class ProjectFiles
{
public:
  static OpenedProject sample();
  static OpenedProject csv(const QString& path, const CsvImportOptions& options = {});
  static OpenedProject document(const QString& path);
  /// A CSV file by its ".csv" suffix, otherwise a project document.
  static OpenedProject open(const QString& path);
  static bool isCsv(const QString& path);

  /// The project document with the pipeline's filters and a "Views" element of the manager's
  /// views. Throws ProjectError when the file cannot be written.
  static void save(const QString& path,
    const DataPipelineManager& pipeline,
    const boost::shared_ptr<DataViewManagerInterface>& manager);
};
