#include "host/imagesupport/ScalingImageLoader.h"

#include "host/viewsupport/ImageViewProperties.h"

ScalingImageLoader::ScalingImageLoader(boost::shared_ptr<ImageFileLoaderInterface> loader)
  : m_loader(std::move(loader))
  , m_size(zoomLevelToImageSize(ImageViewProperties::defaultZoom))
{
  m_arrivals = m_loader->signalThumbnailArrived.connect(
    [this](const QString& filePath) { signalImageArrived(filePath); });
  m_block = boost::signals2::shared_connection_block(m_arrivals, false);
}

ScalingImageLoader::~ScalingImageLoader() = default;

QImage ScalingImageLoader::load(const std::string& filePath) const
{
  return thumbnail(filePath).image;
}

ImageFileLoaderInterface::Thumbnail ScalingImageLoader::thumbnail(const std::string& filePath) const
{
  return m_loader->thumbnail(QString::fromStdString(filePath), m_size);
}

void ScalingImageLoader::suspend()
{
  m_block.block();
}

void ScalingImageLoader::resume()
{
  m_block.unblock();
}
