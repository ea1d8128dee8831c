#include "host/viewsupport/ThreadedImageLoader.h"

#include "host/viewsupport/ImageFileDecoder.h"
#include "host/viewsupport/ImageTiles.h"

#include <QCoreApplication>
#include <QObject>
#include <QRunnable>
#include <functional>
#include <limits>

namespace
{

QString keyOf(const QString& filePath, const QSize& size)
{
  return filePath + QLatin1Char('\n') + QString::number(size.width()) + QLatin1Char('x') +
         QString::number(size.height());
}

class DecodeTask : public QRunnable
{
public:
  using Deliver = std::function<void(const QImage&, const QString&)>;

  DecodeTask(QString filePath,
    QSize size,
    std::shared_ptr<std::atomic<bool>> dropped,
    QObject* receiver,
    Deliver deliver)
    : m_filePath(std::move(filePath))
    , m_size(size)
    , m_dropped(std::move(dropped))
    , m_receiver(receiver)
    , m_deliver(std::move(deliver))
  {
  }

  void run() override
  {
    QImage image;
    QString error;
    if (!m_dropped->load())
      image = ImageFileDecoder::decodeScaled(m_filePath, m_size, error);
    Deliver deliver = std::move(m_deliver);
    QMetaObject::invokeMethod(
      m_receiver, [deliver, image, error] { deliver(image, error); }, Qt::QueuedConnection);
  }

private:
  QString m_filePath;
  QSize m_size;
  std::shared_ptr<std::atomic<bool>> m_dropped;
  // Outlives the task: the loader waits for its pool before the receiver goes.
  QObject* m_receiver;
  Deliver m_deliver;
};

} // namespace

ThreadedImageLoader::ThreadedImageLoader(int64_t costLimitBytes, int threads)
  : m_thumbnails(costLimitBytes)
  , m_receiver(std::make_unique<QObject>())
{
  m_pool.setMaxThreadCount(threads);
}

ThreadedImageLoader::~ThreadedImageLoader()
{
  for (const Pending& pending : m_pending)
    pending.dropped->store(true);
  m_pool.clear();
  m_pool.waitForDone();
}

QImage ThreadedImageLoader::load(const QString& filePath, QString* error) const
{
  QString reason;
  QImage image = ImageFileDecoder::decode(filePath, reason);
  if (error)
    *error = reason;
  return image;
}

ImageFileLoaderInterface::Thumbnail ThreadedImageLoader::thumbnail(const QString& filePath,
  const QSize& size)
{
  const QString key = keyOf(filePath, size);
  if (const Thumbnail* known = m_thumbnails.find(key))
    return *known;
  request(key, filePath, size);
  return Thumbnail{ placeholder(size), Status::Loading, QString() };
}

void ThreadedImageLoader::waitForIdle()
{
  m_pool.waitForDone();
  QCoreApplication::sendPostedEvents(m_receiver.get());
}

void ThreadedImageLoader::request(const QString& key, const QString& filePath, const QSize& size)
{
  if (m_pending.contains(key))
    return;
  const uint64_t sequence = ++m_sequence;
  auto dropped = std::make_shared<std::atomic<bool>>(false);
  m_pending.insert(key, Pending{ sequence, dropped });
  m_pendingBySequence.emplace(sequence, key);
  auto deliver = [this, key, filePath, size, sequence](const QImage& image, const QString& error)
  {
    const auto found = m_pending.find(key);
    if (found == m_pending.end() || found->sequence != sequence)
      return;
    m_pendingBySequence.erase(sequence);
    m_pending.erase(found);
    this->deliver(key, filePath, size, image, error);
  };
  // Newer requests get higher priorities, so what the user looks at now is decoded first.
  const int priority = static_cast<int>(sequence % std::numeric_limits<int>::max());
  m_pool.start(new DecodeTask(filePath, size, dropped, m_receiver.get(), deliver), priority);
  dropOldestWaiting();
}

void ThreadedImageLoader::deliver(const QString& key,
  const QString& filePath,
  const QSize& size,
  const QImage& image,
  const QString& error)
{
  if (image.isNull())
    m_thumbnails.insert(
      key, Thumbnail{ ImageTiles::errorTile(size, filePath, error), Status::Failed, error });
  else
    m_thumbnails.insert(key, Thumbnail{ image, Status::Ready, QString() });
  signalThumbnailArrived(filePath);
}

void ThreadedImageLoader::dropOldestWaiting()
{
  // Running tasks are among the oldest; keep room for them besides the waiting ones.
  const int limit = maxWaitingRequests + m_pool.maxThreadCount();
  auto oldest = m_pendingBySequence.begin();
  while (static_cast<int>(m_pendingBySequence.size()) > limit)
  {
    const auto found = m_pending.find(oldest->second);
    found->dropped->store(true);
    m_pending.erase(found);
    oldest = m_pendingBySequence.erase(oldest);
  }
}

QImage ThreadedImageLoader::placeholder(const QSize& size)
{
  const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
  auto found = m_placeholders.find(key);
  if (found == m_placeholders.end())
    found = m_placeholders.insert(key, ImageTiles::placeholder(size));
  return *found;
}
