#pragma once

#include "analyzer/dataviews/export/ViewExporterInterface.h"

#include <boost/filesystem/path.hpp>
#include <memory>

/// Writes a small PNG of a plotting view at the given path and, when the view shows surrogate
/// model data, a CSV file of those data beside it (same path, extension ".csv").
class ExerciserExporter : public virtual ViewExporterInterface
{
public:
  explicit ExerciserExporter(const boost::filesystem::path& path);
  ~ExerciserExporter() override;
  ExerciserExporter(const ExerciserExporter& other);
  ExerciserExporter& operator=(const ExerciserExporter& other);

  void exportView(DataViewInterface& view) override;

private:
  class Impl;
  std::unique_ptr<Impl> m_impl;
};
