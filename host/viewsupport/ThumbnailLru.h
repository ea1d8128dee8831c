#pragma once

#include "host/viewsupport/ImageFileLoaderInterface.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <list>

/// The thumbnails last used, bounded by the bytes of their pixels: inserting beyond the bound
/// drops the least recently used ones (the newest always stays). Not thread-safe: the loader
/// touches it on the GUI thread only.
class ThumbnailLru
{
public:
  explicit ThumbnailLru(int64_t costLimitBytes);

  /// Null when absent; a hit becomes the most recently used.
  const ImageFileLoaderInterface::Thumbnail* find(const QString& key);
  void insert(const QString& key, ImageFileLoaderInterface::Thumbnail thumbnail);
  void clear();

  int64_t costLimit() const { return m_costLimit; }
  int64_t totalCost() const { return m_totalCost; }
  int count() const { return m_entries.size(); }

  /// What an entry counts against the bound: its pixels, at least a small fixed overhead.
  static int64_t costOf(const QImage& image);

private:
  struct Entry
  {
    ImageFileLoaderInterface::Thumbnail thumbnail;
    int64_t cost;
    std::list<QString>::iterator use;
  };

  void evict();

  int64_t m_costLimit;
  int64_t m_totalCost = 0;
  // Most recently used first.
  std::list<QString> m_uses;
  QHash<QString, Entry> m_entries;
};
