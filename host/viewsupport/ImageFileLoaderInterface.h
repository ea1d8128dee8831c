#pragma once

#include <QImage>
#include <QSize>
#include <QString>

/// Loads the image files attached to cases. A file that cannot be read gives a null image.
class ImageFileLoaderInterface
{
public:
  virtual ~ImageFileLoaderInterface() = default;
  /// The image scaled to fit within maxSize (kept as is when maxSize is empty).
  virtual QImage load(const QString& filePath, const QSize& maxSize = QSize()) const = 0;
};
