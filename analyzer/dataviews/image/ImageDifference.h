#pragma once

#include <QImage>

/// Pixel by pixel, the complement of the XOR of two images' 32-bit ARGB values: identical
/// pixels come out white, differing bits darker. Works on whole scan lines.
class ImageDifference
{
public:
  /// An image in Format_RGB32, or a null image when the sizes differ or either is null.
  static QImage compute(const QImage& reference, const QImage& compared);
};
