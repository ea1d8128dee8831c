#include "host/viewsupport/ImageCache.h"

#include "host/viewsupport/ImageFileLoaderInterface.h"

#include <QCache>
#include <QImageReader>
#include <boost/make_shared.hpp>

namespace
{

class CachingImageLoader : public ImageFileLoaderInterface
{
public:
  explicit CachingImageLoader(int costLimitBytes)
    : m_images(costLimitBytes)
  {
  }

  QImage load(const QString& filePath, const QSize& maxSize) const override
  {
    const QString key = filePath + QLatin1Char('|') + QString::number(maxSize.width()) +
                        QLatin1Char('x') + QString::number(maxSize.height());
    if (const QImage* cached = m_images.object(key))
      return *cached;
    QImage image = readImage(filePath, maxSize);
    if (!image.isNull())
      m_images.insert(key, new QImage(image), static_cast<int>(image.sizeInBytes()));
    return image;
  }

private:
  static QImage readImage(const QString& filePath, const QSize& maxSize)
  {
    QImageReader reader(filePath);
    if (maxSize.isValid() && !maxSize.isEmpty() && reader.size().isValid())
      reader.setScaledSize(reader.size().scaled(maxSize, Qt::KeepAspectRatio));
    return reader.read();
  }

  mutable QCache<QString, QImage> m_images;
};

} // namespace

ImageCache::ImageCache(int costLimitBytes)
  : m_loader(boost::make_shared<CachingImageLoader>(costLimitBytes))
{
}

ImageCache::~ImageCache() = default;

boost::shared_ptr<ImageFileLoaderInterface> ImageCache::imageLoader() const
{
  return m_loader;
}
