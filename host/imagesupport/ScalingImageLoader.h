#pragma once

#include "host/core/SuspendableInterface.h"
#include "host/viewsupport/ImageFileLoaderInterface.h"

#include <QImage>
#include <QSize>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <boost/signals2/shared_connection_block.hpp>
#include <boost/signals2/signal.hpp>
#include <string>

/// Asks the shared loader for thumbnails of one size (the view's zoom) and tells its view when
/// one it is waiting for arrives. Suspended, it passes no arrivals on.
class ScalingImageLoader : public SuspendableInterface
{
public:
  explicit ScalingImageLoader(boost::shared_ptr<ImageFileLoaderInterface> loader);
  ~ScalingImageLoader() override;

  QSize size() const { return m_size; }
  void setSize(const QSize& size) { m_size = size; }

  /// The thumbnail, or a placeholder or error tile; never blocks on decoding.
  QImage load(const std::string& filePath) const;
  ImageFileLoaderInterface::Thumbnail thumbnail(const std::string& filePath) const;

  void suspend() override;
  void resume() override;

  boost::signals2::signal<void(const QString& filePath)> signalImageArrived;

private:
  boost::shared_ptr<ImageFileLoaderInterface> m_loader;
  QSize m_size;
  boost::signals2::scoped_connection m_arrivals;
  boost::signals2::shared_connection_block m_block;
};
