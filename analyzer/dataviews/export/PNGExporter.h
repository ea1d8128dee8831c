#pragma once

#include "analyzer/dataviews/export/ViewExporterInterface.h"

#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <memory>
#include <utility>

class FileInfoInterface;
class QImage;
class vtkRenderWindow;

/// Writes the last rendered picture of a plotting view's render window as a PNG file of the
/// given pixel size (the picture is scaled to it, aspect ratio not kept).
class PNGExporter : public virtual ViewExporterInterface
{
public:
  PNGExporter(boost::shared_ptr<const FileInfoInterface> file,
    std::pair<std::size_t, std::size_t> size,
    ViewExporterInterface::AntialiasLevel level);
  ~PNGExporter() override;
  PNGExporter(const PNGExporter& other);
  PNGExporter& operator=(const PNGExporter& other);

  void exportView(DataViewInterface& view) override;

  /// The window's pixels upright, as last rendered (nothing is rendered anew).
  static QImage capture(vtkRenderWindow& window);

private:
  class Impl;
  std::unique_ptr<Impl> m_impl;
};
