#pragma once

#include "host/filesystem/FileInfoInterface.h"

#include <QFileInfo>
#include <string>

/// A file of the local file system.
class FileInfo : public FileInfoInterface
{
public:
  explicit FileInfo(const QString& path);
  /// The path as UTF-8 text.
  explicit FileInfo(const std::string& path);

  QString absolutePath() const override;
  QString directory() const override;
  QString fileName() const override;
  QString suffix() const override;
  bool exists() const override;
  bool isReadable() const override;
  bool isWritable() const override;

  /// The path written relative to a folder when the file lies inside it, else absolute.
  QString pathRelativeTo(const QString& folder) const;
  /// A relative path taken from a folder; an absolute path as it is.
  static QString resolve(const QString& path, const QString& folder);

private:
  QFileInfo m_info;
};
