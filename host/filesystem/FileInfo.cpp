#include "host/filesystem/FileInfo.h"

#include <QDir>

FileInfo::FileInfo(const QString& path)
  : m_info(path)
{
}

FileInfo::FileInfo(const std::string& path)
  : FileInfo(QString::fromStdString(path))
{
}

QString FileInfo::absolutePath() const
{
  return m_info.absoluteFilePath();
}

QString FileInfo::directory() const
{
  return m_info.absolutePath();
}

QString FileInfo::fileName() const
{
  return m_info.fileName();
}

QString FileInfo::suffix() const
{
  return m_info.suffix();
}

bool FileInfo::exists() const
{
  return m_info.exists();
}

bool FileInfo::isReadable() const
{
  return m_info.isReadable();
}

bool FileInfo::isWritable() const
{
  if (m_info.exists())
    return m_info.isWritable();
  const QFileInfo folder(m_info.absolutePath());
  return folder.isDir() && folder.isWritable();
}

QString FileInfo::pathRelativeTo(const QString& folder) const
{
  const QString relative = QDir(folder).relativeFilePath(absolutePath());
  return relative.startsWith(QLatin1String("..")) ? absolutePath() : relative;
}

QString FileInfo::resolve(const QString& path, const QString& folder)
{
  return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}
