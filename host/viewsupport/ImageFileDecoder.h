#pragma once

#include <QImage>
#include <QSize>
#include <QString>

/// Reads image files with a reason for every failure. Safe on any thread. Files of the common
/// formats are checked for a missing end before decoding, so that a truncated file is reported
/// instead of shown half grey.
class ImageFileDecoder
{
public:
  /// The whole image.
  static QImage decode(const QString& filePath, QString& error);
  /// Scaled to fit within size (never enlarged), using the format's scaled decoding where it
  /// has one.
  static QImage decodeScaled(const QString& filePath, const QSize& size, QString& error);

private:
  static QImage read(const QString& filePath, const QSize* fitWithin, QString& error);
  /// Empty when the file is there and complete as far as a cheap look can tell.
  static QString problemOfFile(const QString& filePath);
};
