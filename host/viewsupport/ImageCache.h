#pragma once

#include <boost/shared_ptr.hpp>

class ImageFileLoaderInterface;

/// Keeps recently loaded images in memory so that views showing the same files share them.
class ImageCache
{
public:
  /// The cache holds up to costLimitBytes of decoded pixels.
  explicit ImageCache(int costLimitBytes = 256 * 1024 * 1024);
  ~ImageCache();
  ImageCache(const ImageCache&) = delete;
  ImageCache& operator=(const ImageCache&) = delete;

  boost::shared_ptr<ImageFileLoaderInterface> imageLoader() const;

private:
  boost::shared_ptr<ImageFileLoaderInterface> m_loader;
};
