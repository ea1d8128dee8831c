#include "analyzer/dataviews/export/PNGExporter.h"

#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/filesystem/FileInfoInterface.h"
#include "host/viewsupport/DataViewVisitorAbstract.h"

#include <GL/gl.h>
#include <QImage>
#include <cstring>
#include <vtkRenderWindow.h>

class PNGExporter::Impl : public DataViewVisitorAbstract
{
public:
  Impl(boost::shared_ptr<const FileInfoInterface> file,
    std::pair<std::size_t, std::size_t> size,
    ViewExporterInterface::AntialiasLevel level)
    : DataViewVisitorAbstract(AcceptAnyView)
    , m_file(std::move(file))
    , m_size(size)
    , m_level(level)
  {
  }

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<ScatterPlot3DInterface> view) override
  {
    write(*view->renderWindow());
  }
  void visit(boost::shared_ptr<ScatterPlot2DInterface> view) override
  {
    write(*view->renderWindow());
  }
  void visit(boost::shared_ptr<LinePlotInterface> view) override { write(*view->renderWindow()); }

private:
  void write(vtkRenderWindow& window) const
  {
    const QImage scaled = capture(window).scaled(static_cast<int>(m_size.first),
      static_cast<int>(m_size.second),
      Qt::IgnoreAspectRatio,
      Qt::SmoothTransformation);
    scaled.save(m_file->absolutePath(), "PNG", -1);
  }

  boost::shared_ptr<const FileInfoInterface> m_file;
  std::pair<std::size_t, std::size_t> m_size;
  ViewExporterInterface::AntialiasLevel m_level;
};

PNGExporter::PNGExporter(boost::shared_ptr<const FileInfoInterface> file,
  std::pair<std::size_t, std::size_t> size,
  ViewExporterInterface::AntialiasLevel level)
  : m_impl(std::make_unique<Impl>(std::move(file), size, level))
{
}

PNGExporter::~PNGExporter() = default;

PNGExporter::PNGExporter(const PNGExporter& other)
  : ViewExporterInterface(other)
  , m_impl(std::make_unique<Impl>(*other.m_impl))
{
}

PNGExporter& PNGExporter::operator=(const PNGExporter& other)
{
  *m_impl = *other.m_impl;
  return *this;
}

void PNGExporter::exportView(DataViewInterface& view)
{
  view.accept(*m_impl);
}

QImage PNGExporter::capture(vtkRenderWindow& window)
{
  const int* size = window.GetSize();
  const int width = size[0];
  const int height = size[1];
  if (width <= 0 || height <= 0)
    return QImage();
  window.MakeCurrent();
  glFinish();
  const int front = window.GetDoubleBuffer() != 0 ? 1 : 0;
  unsigned char* pixels = window.GetPixelData(0, 0, width - 1, height - 1, front);
  QImage image(width, height, QImage::Format_RGB888);
  // VTK's rows run from the bottom of the window up.
  const auto rowBytes = static_cast<std::size_t>(width) * 3;
  for (int row = 0; row < height; ++row)
    std::memcpy(image.scanLine(height - 1 - row), pixels + row * rowBytes, rowBytes);
  delete[] pixels;
  return image;
}
