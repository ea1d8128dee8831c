#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <boost/signals2/signal.hpp>

/// Loads the image files attached to cases, for the image views.
class ImageFileLoaderInterface
{
public:
  enum class Status
  {
    Loading,
    Ready,
    Failed
  };

  /// What a view can paint now: the thumbnail, a placeholder while it is decoded, or a tile
  /// naming why the file cannot be shown (the reason is also in `error`).
  struct Thumbnail
  {
    QImage image;
    Status status = Status::Loading;
    QString error;
  };

  virtual ~ImageFileLoaderInterface() = default;

  /// The whole image, read on the calling thread; null when the file cannot be read, with the
  /// reason in `error` when given.
  virtual QImage load(const QString& filePath, QString* error = nullptr) const = 0;

  /// Never blocks on decoding: a thumbnail not in memory yet is decoded elsewhere and
  /// announced by signalThumbnailArrived.
  virtual Thumbnail thumbnail(const QString& filePath, const QSize& size) = 0;

  /// A thumbnail asked for earlier is ready or failed (on the GUI thread).
  boost::signals2::signal<void(const QString& filePath)> signalThumbnailArrived;
};
