#include "bench/RatioReporter.h"

#include "analyzer/dataviews/image/ImageDifference.h"
#include "host/core/UndoStack.h"
#include "host/imagesupport/ImageTableView.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/ImageCache.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "host/viewsupport/SelectionModel.h"
#include "host/viewsupport/ThreadedImageLoader.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <cstdio>

namespace
{

/// Image files of about half a megapixel (816 x 612), JPEG and PNG in turn, and every 250th one
/// of 4 megapixels, written once into a temporary folder. VANTOR_BENCH_IMAGES sets the count.
class BenchImages
{
public:
  static BenchImages& instance()
  {
    static BenchImages images;
    return images;
  }

  const QStringList& files() const { return m_files; }

private:
  BenchImages()
  {
    const int count = qEnvironmentVariableIsSet("VANTOR_BENCH_IMAGES")
                        ? qEnvironmentVariableIntValue("VANTOR_BENCH_IMAGES")
                        : 2000;
    std::fprintf(stderr, "Writing %d image files...\n", count);
    const QImage small = picture(QSize(816, 612));
    const QImage large = picture(QSize(2309, 1732));
    for (int i = 0; i < count; ++i)
    {
      const bool jpeg = i % 2 == 0;
      const QString file =
        m_dir.filePath(QStringLiteral("image-%1.%2").arg(i).arg(jpeg ? "jpg" : "png"));
      (i % 250 == 249 ? large : small).save(file, nullptr, jpeg ? 85 : -1);
      m_files << file;
    }
    ProjectContents contents;
    contents.addVariable("x", Variable::Independent, ValueType::Real);
    for (int i = 0; i < count; ++i)
    {
      contents.addRecord(uint64_t(i + 1), { double(i % 17) });
      contents.addAuxFile(uint64_t(i + 1), m_files[i].toStdString(), { "shown" });
    }
    Project::project().assign(std::move(contents));
  }

  /// Gradients and shapes, so that the files compress like pictures rather than flat colour.
  static QImage picture(const QSize& size)
  {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(30, 60, 120));
    gradient.setColorAt(1, QColor(230, 200, 90));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, 3));
    for (int i = 0; i < 40; ++i)
      painter.drawEllipse(
        QPoint((i * 97) % size.width(), (i * 61) % size.height()), 40 + i, 30 + i);
    return image;
  }

  QTemporaryDir m_dir;
  QStringList m_files;
};

const QSize thumbnailSize = zoomLevelToImageSize(ImageViewProperties::defaultZoom);
// The thumbnails the first screenful asked for, decoded one by one for its baseline.
int screenful = 36;

QImage readScaled(const QString& file)
{
  QImageReader reader(file);
  reader.setScaledSize(reader.size().scaled(thumbnailSize, Qt::KeepAspectRatio));
  return reader.read();
}

// Thumbnails of every file through the loader, a screenful of requests at a time, from an
// empty cache.
void ThumbnailDecoding(benchmark::State& state)
{
  const QStringList& files = BenchImages::instance().files();
  const int count = std::min<int>(files.size(), int(state.range(0)));
  for (auto _ : state)
  {
    ThreadedImageLoader loader(ImageCache::defaultCostLimitBytes, QThread::idealThreadCount());
    for (int first = 0; first < count; first += 200)
    {
      for (int i = first; i < std::min(count, first + 200); ++i)
        loader.thumbnail(files[i], thumbnailSize);
      loader.waitForIdle();
    }
    state.counters["cache MB"] = double(loader.thumbnails().totalCost()) / 1e6;
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void ThumbnailDecodingBaseline(benchmark::State& state)
{
  const QStringList& files = BenchImages::instance().files();
  const int count = std::min<int>(files.size(), int(state.range(0)));
  for (auto _ : state)
    for (int i = 0; i < count; ++i)
      benchmark::DoNotOptimize(readScaled(files[i]));
  state.SetItemsProcessed(state.iterations() * count);
}

struct OpenMatrix
{
  boost::shared_ptr<SelectionModel> selection = boost::make_shared<SelectionModel>();
  boost::shared_ptr<DataPipelineManager> pipeline =
    boost::make_shared<DataPipelineManager>(selection);
  ImageCache cache;
  std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
  std::unique_ptr<ImageTableView> view;
};

// Opening a matrix of every image and painting the first screenful with its thumbnails.
void FirstScreenful(benchmark::State& state)
{
  BenchImages::instance();
  UndoStack::SuspendUndoRecording notRecorded;
  for (auto _ : state)
  {
    OpenMatrix matrix;
    auto properties = boost::make_shared<ImageMatrixViewProperties>();
    matrix.parent->resize(1000, 700);
    matrix.view = std::make_unique<ImageTableView>(*matrix.parent,
      matrix.pipeline->filteredOutput(),
      matrix.selection,
      matrix.cache.imageLoader(),
      properties);
    matrix.parent->show();
    QApplication::processEvents();
    auto& loader = dynamic_cast<ThreadedImageLoader&>(*matrix.cache.imageLoader());
    // The first paint asks for the visible thumbnails; the second shows them.
    benchmark::DoNotOptimize(matrix.parent->grab());
    screenful = loader.pendingCount();
    loader.waitForIdle();
    benchmark::DoNotOptimize(matrix.parent->grab());
  }
  state.counters["thumbnails"] = screenful;
}

void FirstScreenfulBaseline(benchmark::State& state)
{
  const QStringList& files = BenchImages::instance().files();
  const int visible = std::min<int>(files.size(), screenful);
  for (auto _ : state)
    for (int i = 0; i < visible; ++i)
      benchmark::DoNotOptimize(readScaled(files[i]));
}

QImage noisy(int side, int seed)
{
  QImage image(side, side, QImage::Format_RGB32);
  for (int y = 0; y < side; ++y)
  {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < side; ++x)
      line[x] = qRgb((x * 7 + seed) & 255, (y * 3) & 255, (x ^ y) & 255);
  }
  return image;
}

void Difference4k(benchmark::State& state)
{
  const QImage a = noisy(4096, 0);
  const QImage b = noisy(4096, 5);
  for (auto _ : state)
    benchmark::DoNotOptimize(ImageDifference::compute(a, b));
}

void Difference4kBaseline(benchmark::State& state)
{
  const QImage a = noisy(4096, 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(a.copy());
}

} // namespace

BENCHMARK(ThumbnailDecoding)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ThumbnailDecodingBaseline)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(FirstScreenful)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FirstScreenfulBaseline)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Difference4k)->Unit(benchmark::kMillisecond);
BENCHMARK(Difference4kBaseline)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  UndoStack::clear();
  return 0;
}
