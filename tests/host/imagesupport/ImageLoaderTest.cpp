#include "host/viewsupport/ImageCache.h"
#include "host/viewsupport/ImageFileDecoder.h"
#include "host/viewsupport/ThreadedImageLoader.h"
#include "host/viewsupport/ThumbnailLru.h"
#include "tests/host/imagesupport/ImageFiles.h"

#include <QThread>
#include <gtest/gtest.h>

using Status = ImageFileLoaderInterface::Status;

namespace
{

ImageFileLoaderInterface::Thumbnail thumbnailOfSize(int width, int height)
{
  return { QImage(width, height, QImage::Format_RGB32), Status::Ready, QString() };
}

} // namespace

TEST(ThumbnailLruTest, DropsTheLeastRecentlyUsedBeyondTheBoundInBytes)
{
  // 100 x 100 pixels of 4 bytes: three fit in 130,000 bytes, four do not.
  const int64_t one = ThumbnailLru::costOf(QImage(100, 100, QImage::Format_RGB32));
  ThumbnailLru lru(3 * one + 10);
  lru.insert("a", thumbnailOfSize(100, 100));
  lru.insert("b", thumbnailOfSize(100, 100));
  lru.insert("c", thumbnailOfSize(100, 100));
  ASSERT_TRUE(lru.find("a")); // "a" is now the most recently used; "b" the least
  lru.insert("d", thumbnailOfSize(100, 100));

  EXPECT_EQ(lru.count(), 3);
  EXPECT_FALSE(lru.find("b"));
  EXPECT_TRUE(lru.find("a"));
  EXPECT_TRUE(lru.find("d"));
  EXPECT_LE(lru.totalCost(), lru.costLimit());

  // Replacing an entry counts its new size only; one larger than the bound stays alone.
  lru.insert("a", thumbnailOfSize(10, 10));
  EXPECT_LE(lru.totalCost(), lru.costLimit());
  lru.insert("huge", thumbnailOfSize(400, 400));
  EXPECT_EQ(lru.count(), 1);
  EXPECT_TRUE(lru.find("huge"));
}

TEST(ImageFileDecoderTest, NamesTheReasonForFilesThatCannotBeShown)
{
  ImageFiles files;
  const QString png = files.plain("whole.png", QSize(300, 200), Qt::red);
  QImage photo(300, 200, QImage::Format_RGB32);
  photo.fill(Qt::blue);
  const QString jpeg = files.write("photo.jpg", photo, 90);
  QFile text(files.path("notes.png"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("these are not pixels");
  text.close();
  QFile empty(files.path("empty.jpg"));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();

  QString error;
  const QImage scaled = ImageFileDecoder::decodeScaled(png, QSize(60, 60), error);
  EXPECT_EQ(scaled.size(), QSize(60, 40));
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(ImageFileDecoder::decodeScaled(jpeg, QSize(1000, 1000), error).size(), QSize(300, 200))
    << "never enlarged";

  const std::vector<std::pair<QString, QString>> broken = {
    { files.path("none.png"), "The file does not exist." },
    { files.truncated("half.png", png), "The file is truncated." },
    { files.truncated("half.jpg", jpeg, 0.7), "The file is truncated." },
    { empty.fileName(), "The file is empty." },
    { text.fileName(), "The file cannot be read as an image" },
  };
  for (const auto& [path, reason] : broken)
  {
    EXPECT_TRUE(ImageFileDecoder::decode(path, error).isNull()) << path.toStdString();
    EXPECT_TRUE(error.startsWith(reason)) << error.toStdString();
  }
}

TEST(ThreadedImageLoaderTest, HandsOutPlaceholdersThenThumbnailsAndErrorTilesDecodedElsewhere)
{
  ImageFiles files;
  const QString good = files.plain("good.png", QSize(400, 300), Qt::green);
  const QString missing = files.path("missing.png");
  const QString truncated = files.truncated("truncated.png", good);
  ThreadedImageLoader loader(ImageCache::defaultCostLimitBytes, 2);

  std::vector<QString> arrived;
  std::set<Qt::HANDLE> arrivalThreads;
  loader.signalThumbnailArrived.connect(
    [&](const QString& path)
    {
      arrived.push_back(path);
      arrivalThreads.insert(QThread::currentThreadId());
    });

  const QSize box(80, 60);
  for (const QString& path : { good, missing, truncated })
  {
    const auto first = loader.thumbnail(path, box);
    EXPECT_EQ(first.status, Status::Loading);
    EXPECT_EQ(first.image.size(), box) << "the placeholder fills the box";
  }
  // Asking again while it loads does not decode it twice.
  loader.thumbnail(good, box);
  loader.waitForIdle();

  EXPECT_EQ(arrived.size(), 3u);
  EXPECT_EQ(arrivalThreads, std::set<Qt::HANDLE>{ QThread::currentThreadId() });
  const auto ready = loader.thumbnail(good, box);
  EXPECT_EQ(ready.status, Status::Ready);
  EXPECT_EQ(ready.image.size(), QSize(80, 60));
  EXPECT_EQ(ready.image.pixelColor(40, 30), QColor(Qt::green));

  const auto gone = loader.thumbnail(missing, box);
  EXPECT_EQ(gone.status, Status::Failed);
  EXPECT_EQ(gone.error, "The file does not exist.");
  EXPECT_EQ(gone.image.size(), box);
  EXPECT_EQ(loader.thumbnail(truncated, box).error, "The file is truncated.");

  // Another size is another thumbnail; the whole image is read on demand.
  EXPECT_EQ(loader.thumbnail(good, QSize(40, 30)).status, Status::Loading);
  loader.waitForIdle();
  EXPECT_EQ(loader.thumbnail(good, QSize(40, 30)).image.size(), QSize(40, 30));
  QString error;
  EXPECT_EQ(loader.load(good, &error).size(), QSize(400, 300));
  EXPECT_TRUE(loader.load(truncated, &error).isNull());
  EXPECT_EQ(error, "The file is truncated.");
}

TEST(ThreadedImageLoaderTest, DropsRequestsLeftBehindButDecodesThemWhenAskedAgain)
{
  ImageFiles files;
  const QString image = files.plain("one.png", QSize(64, 48), Qt::red);
  ThreadedImageLoader loader(ImageCache::defaultCostLimitBytes, 1);
  int arrivals = 0;
  loader.signalThumbnailArrived.connect([&](const QString&) { ++arrivals; });

  const int requests = ThreadedImageLoader::maxWaitingRequests + 100;
  for (int i = 1; i <= requests; ++i)
    loader.thumbnail(image, QSize(i, i));
  EXPECT_LE(loader.pendingCount(), ThreadedImageLoader::maxWaitingRequests + 1);
  loader.waitForIdle();
  EXPECT_GE(arrivals, ThreadedImageLoader::maxWaitingRequests);
  EXPECT_LT(arrivals, requests);
  EXPECT_EQ(loader.pendingCount(), 0);

  // The newest were kept; the oldest are asked again and then arrive.
  EXPECT_EQ(loader.thumbnail(image, QSize(requests, requests)).status, Status::Ready);
  EXPECT_EQ(loader.thumbnail(image, QSize(1, 1)).status, Status::Loading);
  loader.waitForIdle();
  EXPECT_EQ(loader.thumbnail(image, QSize(1, 1)).status, Status::Ready);
}
