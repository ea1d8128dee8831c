#include "tests/analyzer/dataviews/image/ImageViewFixture.h"

#include "analyzer/dataviews/image/ImageDiffModel.h"
#include "analyzer/dataviews/image/ImageDiffView.h"
#include "analyzer/dataviews/image/ImageDifference.h"
#include "host/imagesupport/ImageViewItemDelegate.h"
#include "host/imagesupport/LabelMaker.h"
#include "host/serialization/SerializerInterface.h"
#include "host/viewsupport/ImageFileDecoder.h"
#include "host/viewsupport/ImageFileLoaderInterface.h"
#include "property/Property.h"
#include "tests/support/ProjectEdits.h"

#include <QDomDocument>
#include <QPainter>

namespace
{

/// Reads files as the real loader does and counts the whole images read.
class CountingLoader : public ImageFileLoaderInterface
{
public:
  QImage load(const QString& filePath, QString* error) const override
  {
    ++loads;
    QString reason;
    QImage image = ImageFileDecoder::decode(filePath, reason);
    if (error)
      *error = reason;
    return image;
  }
  Thumbnail thumbnail(const QString&, const QSize&) override { return {}; }

  mutable int loads = 0;
};

class ImageDiffFixture : public ImageViewFixture
{
protected:
  AuxFilePtr addImage(uint64_t caseId, const QString& name, const QImage& image)
  {
    const QString path = files.write(name, image);
    Transaction transaction = Project::project().startTransaction();
    const auto record = Project::project().record(caseId).lock(transaction);
    auto file = Project::project().addAuxFile(transaction, *record, path.toStdString(), {});
    transaction.commit();
    return file;
  }

  static QImage picture(const QSize& size, const QColor& colour)
  {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(10, 10), size / 2), colour);
    return image;
  }

  void SetUp() override
  {
    ImageViewFixture::SetUp();
    labelVariables->setValue({ Project::project().variable("x") });
  }

  boost::shared_ptr<vantor::Property<std::vector<VariablePtr>>> labelVariables =
    boost::make_shared<vantor::Property<std::vector<VariablePtr>>>();
};

bool isAllWhite(const QImage& image)
{
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != 0xffffffffu)
        return false;
  return !image.isNull();
}

} // namespace

TEST(ImageDifferenceTest, IsTheComplementOfTheXorOfTheArgbPixels)
{
  QImage a(3, 2, QImage::Format_RGB32);
  a.fill(QColor(200, 100, 50));
  QImage b = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  b.setPixel(1, 1, qRgb(0, 100, 50));
  const QImage difference = ImageDifference::compute(a, b);
  ASSERT_EQ(difference.format(), QImage::Format_RGB32);
  EXPECT_EQ(difference.pixel(0, 0), 0xffffffffu);
  EXPECT_EQ(difference.pixel(1, 1), (~(qRgb(200, 100, 50) ^ qRgb(0, 100, 50))) | 0xff000000u);
  EXPECT_TRUE(ImageDifference::compute(a, QImage(3, 3, QImage::Format_RGB32)).isNull());
  EXPECT_TRUE(ImageDifference::compute(a, QImage()).isNull());
}

TEST_F(ImageDiffFixture, ComparesEachImageWithTheReferenceOnceHoweverOftenPainted)
{
  const auto reference = addImage(1, "reference.png", picture(QSize(100, 80), Qt::red));
  const auto same = addImage(2, "same.png", picture(QSize(100, 80), Qt::red));
  const auto taller = addImage(3, "taller.png", picture(QSize(100, 81), Qt::red));
  auto loader = boost::make_shared<CountingLoader>();
  const std::vector<AuxFilePtr> compared = { same, taller, reference };
  ImageDiffModel model(
    loader, boost::make_shared<LabelMaker>(), reference, compared, true, labelVariables);

  ASSERT_EQ(model.rowCount(), 2);
  ASSERT_EQ(model.columnCount(), 4);
  EXPECT_EQ(model.index(0, 0).data().toString(), "x: 1");
  EXPECT_TRUE(isAllWhite(model.index(1, 1).data(Qt::DecorationRole).value<QImage>()));
  EXPECT_TRUE(isAllWhite(model.index(1, 3).data(Qt::DecorationRole).value<QImage>()))
    << "the reference against itself";
  EXPECT_EQ(model.index(0, 2).data().toString(), ImageDiffModel::differentSizesText);
  EXPECT_EQ(model.index(1, 2).data().toString(), ImageDiffModel::differentSizesText);
  EXPECT_FALSE(model.index(1, 2).data(Qt::DecorationRole).isValid());
  EXPECT_EQ(model.index(1, 0).data().toString(), "");
  EXPECT_EQ(model.index(0, 1).data().toString(), "x: 2");

  for (int paint = 0; paint < 5; ++paint)
    for (int column = 0; column < model.columnCount(); ++column)
      for (int row = 0; row < 2; ++row)
        model.index(row, column).data(Qt::DecorationRole);
  EXPECT_EQ(loader->loads, 4) << "the reference and each compared file, once";

  labelVariables->setValue({ Project::project().variable("kind") });
  EXPECT_EQ(model.index(0, 1).data().toString(), "kind: b");
  const std::vector<AuxFilePtr> noImages;
  ImageDiffModel unlabelled(
    loader, boost::make_shared<LabelMaker>(), reference, noImages, false, labelVariables);
  EXPECT_EQ(unlabelled.columnCount(), 1);
  EXPECT_EQ(unlabelled.index(0, 0).data().toString(), "");
}

TEST_F(ImageDiffFixture, TheViewDropsErasedCasesAndClosesWithItsReference)
{
  const auto reference = addImage(1, "reference.png", picture(QSize(60, 40), Qt::blue));
  const auto other = addImage(2, "other.png", picture(QSize(60, 40), Qt::green));
  const auto third = addImage(3, "third.png", picture(QSize(60, 40), Qt::blue));
  UndoStack::clear();
  const auto view = boost::dynamic_pointer_cast<ImageDiffView>(
    manager->addImageDiffView(reference, { other, third }, true, labelVariables));
  EXPECT_EQ(view->title(), "Image Difference View");
  QDomDocument document;
  EXPECT_TRUE(view->serializer().serialize(document).isNull()) << "not saved with the views";

  std::vector<std::vector<std::string>> announced;
  view->signalSelectedImagesChanged.connect(
    [&](const std::vector<AuxFilePtr>& images) { announced.push_back(namesOf(images)); });
  QImageTableView& table = *view->tableView();
  selectCells(table,
    { table.model()->index(1, 2),
      table.model()->index(0, 2),
      table.model()->index(0, 0),
      table.model()->index(0, 1) });
  EXPECT_EQ(
    namesOf(view->selectedAuxFiles()), (std::vector<std::string>{ "third.png", "other.png" }));
  ASSERT_FALSE(announced.empty());

  view->zoom()->setValue(2);
  EXPECT_EQ(table.imageDelegate()->imageSize(), zoomLevelToImageSize(2));

  testsupport::eraseCases({ 2 });
  EXPECT_EQ(namesOf(view->comparedAuxFiles()), std::vector<std::string>{ "third.png" });
  EXPECT_EQ(table.model()->columnCount(), 2);
  ASSERT_EQ(manager->dataViews().size(), 1u);

  // Removed, it misses the erasure of case 3 and catches up when brought back.
  manager->removeView(view);
  testsupport::eraseCases({ 3 });
  EXPECT_EQ(view->comparedAuxFiles().size(), 1u);
  manager->restoreView(view);
  EXPECT_TRUE(view->comparedAuxFiles().empty());
  EXPECT_EQ(table.model()->columnCount(), 1);

  testsupport::eraseCases({ 1 });
  EXPECT_TRUE(manager->dataViews().empty()) << "its reference is gone";
}
