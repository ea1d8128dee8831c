#include "fuzz/FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>

QString writeFuzzInput(const uint8_t* data, std::size_t size, const char* fileName)
{
  static const QTemporaryDir folder;
  const QString path = folder.filePath(QString::fromLatin1(fileName));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    abort();
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  return path;
}
