#include "host/core/UndoStack.h"
#include "host/imagesupport/ImageMatrixLayout.h"
#include "host/project/Project.h"
#include "host/project/TagOperations.h"
#include "host/viewsupport/TagGroupCollection.h"
#include "tests/host/imagesupport/ImageFiles.h"

#include <QUndoStack>
#include <gtest/gtest.h>

namespace
{

using Props = ImageMatrixViewProperties;

class ImageLayoutTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadImageProject(files);
    UndoStack::clear();
    for (const auto& file : Project::project().auxFiles())
      images.push_back(file);
  }
  void TearDown() override { UndoStack::clear(); }

  static std::string nameOf(const WeakPtr<AuxFile>& image)
  {
    const auto auxFile = image.lock();
    return auxFile ? QFileInfo(QString::fromStdString(auxFile->filePath())).baseName().toStdString()
                   : std::string("-");
  }

  /// The layout as text: one line per row, cells by file name, "-" for empty ones.
  static std::vector<std::string> cellsOf(const ImageMatrixLayout& layout)
  {
    std::vector<std::string> rows;
    for (int row = 0; row < layout.rowCount(); ++row)
    {
      std::string line;
      for (int column = 0; column < layout.columnCount(); ++column)
        line += (column ? " " : "") + nameOf(layout.imageAt(row, column));
      rows.push_back(line);
    }
    return rows;
  }

  ImageFiles files;
  std::vector<WeakPtr<AuxFile>> images;
  Props properties;
};

} // namespace

TEST_F(ImageLayoutTest, AnImageIsAdmittedOnlyByItsFirstTag)
{
  properties.tagsToShow()->setValue({ "sharp" });
  ImageMatrixLayout layout =
    ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(properties, 10));
  EXPECT_EQ(cellsOf(layout), std::vector<std::string>{ "blue" }) << "red has sharp second only";

  // A group admits all its tags, after the tags chosen one by one, each once.
  properties.tagGroupsToShow()->setValue({ "Review", "No such group" });
  EXPECT_EQ(properties.allTagsToShow(),
    (std::vector<std::string>{ "sharp", "approved", "rejected", "pending" }));
  layout = ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(properties, 3));
  EXPECT_EQ(cellsOf(layout),
    (std::vector<std::string>{ "red green blue", "yellow-1 yellow-2 missing", "truncated - -" }));
}

TEST_F(ImageLayoutTest, RowsByVariableColumnsByTagPutSharedCellsSideBySide)
{
  properties.tagGroupsToShow()->setValue({ "Review", "Quality" });
  properties.dimensionRowsBy()->setValue(Props::ByVariable);
  properties.rowVar()->setValue(Project::project().variable("x"));
  properties.dimensionColumnsBy()->setValue(Props::ByTag);
  const ImageMatrixLayout layout =
    ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(properties, 1));

  // Columns: "approved" needs three (at x = 3, case 4 has two images and case 6 one), then
  // "rejected" and "sharp".
  EXPECT_EQ(cellsOf(layout),
    (std::vector<std::string>{
      "red - - - blue", "missing - - green -", "yellow-1 yellow-2 truncated - -" }));
  EXPECT_EQ(layout.rowHeader(0), "x = 1");
  EXPECT_EQ(layout.rowHeader(2), "x = 3");
  EXPECT_EQ(layout.columnHeader(2), "approved");
  EXPECT_EQ(layout.columnHeader(3), "rejected");
}

TEST_F(ImageLayoutTest, PagesByVariableShowOneValueAtATime)
{
  properties.tagGroupsToShow()->setValue({ "Review", "Quality" });
  properties.pageVar()->setValue(Project::project().variable("kind"));
  properties.pageValue()->setValue(Variant("b"));
  ImageMatrixLayout layout =
    ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(properties, 5));
  ASSERT_EQ(layout.pages().size(), 2u);
  EXPECT_EQ(layout.currentPage(), 1);
  EXPECT_EQ(cellsOf(layout), std::vector<std::string>{ "green blue truncated" });

  // A page value that is not there shows the first page.
  properties.pageValue()->setValue(Variant("z"));
  layout = ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(properties, 5));
  EXPECT_EQ(layout.currentPage(), 0);
  EXPECT_EQ(cellsOf(layout), std::vector<std::string>{ "red yellow-1 yellow-2 missing" });

  properties.dimensionPagesBy()->setValue(Props::PageByTag);
  properties.pageValue()->setValue(Variant("rejected"));
  layout = ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(properties, 5));
  EXPECT_EQ(cellsOf(layout), std::vector<std::string>{ "green" });
}

TEST_F(ImageLayoutTest, SettingsAreUndoableAndZoomIsBounded)
{
  properties.zoom()->setValue(7);
  properties.dimensionRowsBy()->setValue(Props::ByTag);
  QUndoStack& stack = UndoStack::qUndoStack();
  ASSERT_EQ(stack.count(), 2);
  EXPECT_EQ(stack.text(0), "Change Zoom");
  stack.undo();
  EXPECT_EQ(properties.dimensionRowsBy()->value(), Props::ByNothing);
  EXPECT_THROW(
    properties.zoom()->setValue(Props::maxZoom + 1), vantor::InvalidPropertyValueException);
  EXPECT_EQ(properties.zoom()->value(), 7u);
  EXPECT_EQ(zoomLevelToImageSize(0), QSize(64, 48));
  EXPECT_LT(zoomLevelToImageSize(3).width(), zoomLevelToImageSize(4).width());
}

TEST_F(ImageLayoutTest, TagGroupCollectionFollowsTheProject)
{
  TagGroupCollection groups;
  int changes = 0;
  groups.signalGroupsChanged.connect([&] { ++changes; });
  EXPECT_EQ(groups.groupNames(), (std::vector<std::string>{ "Review", "Quality" }));
  EXPECT_TRUE(groups.hasTag("blurred"));

  {
    Transaction transaction = Project::project().startTransaction();
    const auto auxFile = images[1].lock(transaction);
    TagOperations::addTag(transaction, *auxFile, "retake");
    transaction.commit();
  }
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(groups.hasTag("retake"));
  UndoStack::qUndoStack().undo();
  EXPECT_FALSE(groups.hasTag("retake"));
}
