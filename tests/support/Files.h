#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport
{

/// Writes the bytes as the whole file; returns its path.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    file.write(bytes);
  return path;
}

/// The whole file; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testsupport
