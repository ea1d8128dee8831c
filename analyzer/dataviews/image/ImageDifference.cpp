#include "analyzer/dataviews/image/ImageDifference.h"

namespace
{

/// Pixels as QImage::pixel reads them: 32-bit ARGB, not premultiplied.
QImage asArgb(const QImage& image)
{
  if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
    return image;
  return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage ImageDifference::compute(const QImage& reference, const QImage& compared)
{
  if (reference.isNull() || compared.isNull() || reference.size() != compared.size())
    return QImage();
  const QImage a = asArgb(reference);
  const QImage b = asArgb(compared);
  // RGB32 keeps 0xff in the alpha byte.
  const bool opaque = a.format() == QImage::Format_RGB32 && b.format() == QImage::Format_RGB32;
  QImage difference(a.size(), QImage::Format_RGB32);
  const int width = a.width();
  for (int y = 0; y < a.height(); ++y)
  {
    const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(difference.scanLine(y));
    if (opaque)
      for (int x = 0; x < width; ++x)
        out[x] = ~(lineA[x] ^ lineB[x]);
    else
      for (int x = 0; x < width; ++x)
        out[x] = ~(lineA[x] ^ lineB[x]) | 0xff000000u;
  }
  return difference;
}
