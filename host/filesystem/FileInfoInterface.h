#pragma once

#include <QString>

/// Questions about one file, so that writers (exporters) can be given a target that tests can
/// replace.
class FileInfoInterface
{
public:
  virtual ~FileInfoInterface() = default;

  /// The file's full path, made absolute against the working directory.
  virtual QString absolutePath() const = 0;
  /// The absolute path of the folder holding the file.
  virtual QString directory() const = 0;
  virtual QString fileName() const = 0;
  /// The part of the name after the last dot, without it.
  virtual QString suffix() const = 0;
  virtual bool exists() const = 0;
  virtual bool isReadable() const = 0;
  /// Whether the file can be written: it is writable, or it is missing and its folder is.
  virtual bool isWritable() const = 0;
};
