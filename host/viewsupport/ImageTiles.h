#pragma once

#include <QImage>
#include <QSize>
#include <QString>

/// The images shown in place of a thumbnail: while it loads, and when it cannot be shown.
class ImageTiles
{
public:
  static QImage placeholder(const QSize& size);
  /// Names the file and the reason, in dark red on a pale tile.
  static QImage errorTile(const QSize& size, const QString& filePath, const QString& reason);
};
