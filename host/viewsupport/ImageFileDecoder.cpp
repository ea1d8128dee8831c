#include "host/viewsupport/ImageFileDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace
{

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
// The IEND chunk: length 0, type, CRC.
const QByteArray pngEnd("\x00\x00\x00\x00IEND\xae\x42\x60\x82", 12);
const QByteArray jpegStart("\xff\xd8", 2);
const QByteArray jpegEnd("\xff\xd9", 2);

bool isTruncated(QFile& file)
{
  const QByteArray head = file.read(8);
  QByteArray expectedEnd;
  if (head.startsWith(pngSignature))
    expectedEnd = pngEnd;
  else if (head.startsWith(jpegStart))
    expectedEnd = jpegEnd;
  else
    return false;
  if (file.size() < expectedEnd.size() + head.size())
    return true;
  // Some writers pad after the end marker; look a little way back for it.
  const qint64 tail = std::min<qint64>(file.size(), 64);
  file.seek(file.size() - tail);
  return !file.read(tail).contains(expectedEnd);
}

} // namespace

QImage ImageFileDecoder::decode(const QString& filePath, QString& error)
{
  return read(filePath, nullptr, error);
}

QImage ImageFileDecoder::decodeScaled(const QString& filePath, const QSize& size, QString& error)
{
  return read(filePath, &size, error);
}

QImage ImageFileDecoder::read(const QString& filePath, const QSize* fitWithin, QString& error)
{
  error = problemOfFile(filePath);
  if (!error.isEmpty())
    return QImage();
  QImageReader reader(filePath);
  reader.setAutoTransform(true);
  const QSize full = reader.size();
  if (!full.isValid())
  {
    error = QStringLiteral("The file cannot be read as an image (%1).").arg(reader.errorString());
    return QImage();
  }
  if (fitWithin && fitWithin->isValid() && !fitWithin->isEmpty() &&
      (full.width() > fitWithin->width() || full.height() > fitWithin->height()))
    reader.setScaledSize(full.scaled(*fitWithin, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
  QImage image = reader.read();
  if (image.isNull())
    error = QStringLiteral("The image cannot be decoded (%1).").arg(reader.errorString());
  return image;
}

QString ImageFileDecoder::problemOfFile(const QString& filePath)
{
  const QFileInfo info(filePath);
  if (!info.exists())
    return QStringLiteral("The file does not exist.");
  if (!info.isFile())
    return QStringLiteral("The path is not a file.");
  QFile file(filePath);
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("The file cannot be opened (%1).").arg(file.errorString());
  if (file.size() == 0)
    return QStringLiteral("The file is empty.");
  if (isTruncated(file))
    return QStringLiteral("The file is truncated.");
  return QString();
}
