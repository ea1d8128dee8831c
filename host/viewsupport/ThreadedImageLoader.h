#pragma once

#include "host/viewsupport/ImageFileLoaderInterface.h"
#include "host/viewsupport/ThumbnailLru.h"

#include <QHash>
#include <QThreadPool>
#include <atomic>
#include <map>
#include <memory>

class QObject;

/// Decodes thumbnails on its own thread pool, newest request first, and keeps them in a
/// ThumbnailLru. Must be created and used on the GUI thread; results come back to it queued.
/// Requests that wait too long behind newer ones (a user scrolling past) are dropped before
/// they are decoded; asking again requests them again.
class ThreadedImageLoader : public ImageFileLoaderInterface
{
public:
  /// At most this many requests wait for a decoding thread.
  static constexpr int maxWaitingRequests = 256;

  ThreadedImageLoader(int64_t costLimitBytes, int threads);
  ~ThreadedImageLoader() override;

  QImage load(const QString& filePath, QString* error = nullptr) const override;
  Thumbnail thumbnail(const QString& filePath, const QSize& size) override;

  const ThumbnailLru& thumbnails() const { return m_thumbnails; }
  int pendingCount() const { return m_pending.size(); }
  /// Blocks until the pool is idle and its results are delivered (tests, benchmarks).
  void waitForIdle();

private:
  struct Pending
  {
    uint64_t sequence;
    std::shared_ptr<std::atomic<bool>> dropped;
  };

  void request(const QString& key, const QString& filePath, const QSize& size);
  void deliver(const QString& key,
    const QString& filePath,
    const QSize& size,
    const QImage& image,
    const QString& error);
  void dropOldestWaiting();
  QImage placeholder(const QSize& size);

  ThumbnailLru m_thumbnails;
  QHash<QString, Pending> m_pending;
  std::map<uint64_t, QString> m_pendingBySequence;
  uint64_t m_sequence = 0;
  QHash<quint64, QImage> m_placeholders;
  std::unique_ptr<QObject> m_receiver;
  QThreadPool m_pool;
};
