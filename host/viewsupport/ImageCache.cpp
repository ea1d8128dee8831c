#include "host/viewsupport/ImageCache.h"

#include "host/viewsupport/ThreadedImageLoader.h"

#include <QThread>
#include <algorithm>
#include <boost/make_shared.hpp>

ImageCache::ImageCache(int64_t costLimitBytes, int threads)
  : m_loader(boost::make_shared<ThreadedImageLoader>(costLimitBytes,
      threads > 0 ? threads : std::max(1, QThread::idealThreadCount())))
{
}

ImageCache::~ImageCache() = default;

boost::shared_ptr<ImageFileLoaderInterface> ImageCache::imageLoader() const
{
  return m_loader;
}
