#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>

class ImageFileLoaderInterface;

/// The images shared by every image view of a manager. Files are decoded off the GUI thread;
/// the thumbnails last used are kept up to costLimitBytes of decoded pixels (32-bit pixels:
/// 128 MB holds some 5,000 thumbnails of 160 x 120), the least recently used dropped first.
class ImageCache
{
public:
  static constexpr int64_t defaultCostLimitBytes = int64_t(128) * 1024 * 1024;

  /// threads 0: as many decoding threads as the machine has cores.
  explicit ImageCache(int64_t costLimitBytes = defaultCostLimitBytes, int threads = 0);
  ~ImageCache();
  ImageCache(const ImageCache&) = delete;
  ImageCache& operator=(const ImageCache&) = delete;

  boost::shared_ptr<ImageFileLoaderInterface> imageLoader() const;

private:
  boost::shared_ptr<ImageFileLoaderInterface> m_loader;
};
