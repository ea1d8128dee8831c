#include "host/imagesupport/ImageTableView.h"
#include "host/core/UndoStack.h"
#include "host/imagesupport/ImageTableModel.h"
#include "host/imagesupport/ImageViewItemDelegate.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/RangeFilter.h"
#include "host/viewsupport/ImageCache.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "host/viewsupport/SelectionModel.h"
#include "host/viewsupport/ThreadedImageLoader.h"
#include "tests/host/imagesupport/ImageFiles.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

namespace
{

class ImageTableViewTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadImageProject(files);
    UndoStack::clear();
    selection = boost::make_shared<SelectionModel>();
    pipeline = boost::make_shared<DataPipelineManager>(selection);
    properties->tagGroupsToShow()->setValue({ "Review" });
    parent.resize(800, 600);
    view = std::make_unique<ImageTableView>(
      parent, pipeline->filteredOutput(), selection, cache.imageLoader(), properties);
  }
  void TearDown() override
  {
    view.reset();
    UndoStack::clear();
  }

  ThreadedImageLoader& loader() { return dynamic_cast<ThreadedImageLoader&>(*cache.imageLoader()); }
  QImageTableView& table() { return *view->tableView(); }
  ImageTableModel& model() { return dynamic_cast<ImageTableModel&>(*table().model()); }

  QModelIndex cellOf(const std::string& fileName) { return ::cellOf(table(), fileName); }

  std::set<std::string> selectedFiles()
  {
    const std::vector<std::string> names = namesOf(view->selectedAuxFiles());
    return { names.begin(), names.end() };
  }

  void select(const std::vector<std::string>& fileNames)
  {
    std::vector<QModelIndex> cells;
    for (const auto& name : fileNames)
      cells.push_back(cellOf(name));
    selectCells(table(), cells);
  }

  ImageFiles files;
  ImageCache cache;
  boost::shared_ptr<SelectionModel> selection;
  boost::shared_ptr<DataPipelineManager> pipeline;
  boost::shared_ptr<ImageMatrixViewProperties> properties =
    boost::make_shared<ImageMatrixViewProperties>();
  QWidget parent;
  std::unique_ptr<ImageTableView> view;
};

QColor centreOf(const QModelIndex& cell)
{
  const QImage image = cell.data(Qt::DecorationRole).value<QImage>();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

TEST_F(ImageTableViewTest, BrokenFilesBecomeErrorTilesWhileTheOthersLoad)
{
  ASSERT_EQ(view->displayedAuxFiles().size(), 6u) << "blue's first tag is not in Review";
  QSignalSpy repaints(&model(), &QAbstractItemModel::dataChanged);
  const QModelIndex red = cellOf("red.png");
  const QModelIndex missing = cellOf("missing.png");
  const QModelIndex truncated = cellOf("truncated.png");
  const QImage placeholder = red.data(Qt::DecorationRole).value<QImage>();
  EXPECT_EQ(placeholder.pixelColor(3, 3), QColor(236, 236, 236)) << "a placeholder until decoded";
  centreOf(missing);
  centreOf(truncated);

  loader().waitForIdle();
  EXPECT_EQ(centreOf(red), QColor(Qt::red));
  const QImage tile = missing.data(Qt::DecorationRole).value<QImage>();
  EXPECT_EQ(tile.pixelColor(2, 2), QColor(253, 236, 234));
  EXPECT_EQ(
    truncated.data(Qt::DecorationRole).value<QImage>().pixelColor(2, 2), tile.pixelColor(2, 2));
  // Each arrival repainted the cell of its file.
  std::set<std::pair<int, int>> repainted;
  for (const auto& arguments : repaints)
  {
    const auto cell = arguments.at(0).toModelIndex();
    repainted.insert({ cell.row(), cell.column() });
  }
  EXPECT_TRUE(repainted.count({ red.row(), red.column() }));
  EXPECT_TRUE(repainted.count({ missing.row(), missing.column() }));
  EXPECT_EQ(model().data(red, Qt::ToolTipRole).toString(),
    "Case ID: 1\nFile Name: " + files.path("red.png"));
}

TEST_F(ImageTableViewTest, SelectionIsSharedBothWaysAndKeepsCasesThisViewDoesNotShow)
{
  selection->setSelection({ 4, 7 });
  EXPECT_EQ(selectedFiles(), (std::set<std::string>{ "yellow-1.png", "yellow-2.png" }));

  select({ "red.png", "green.png" });
  // Case 7 has no image here: the user's choice leaves it selected.
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 2, 7 }));

  // Laying out anew shows the shared selection and does not change it.
  properties->dimensionRowsBy()->setValue(ImageMatrixViewProperties::ByTag);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 2, 7 }));
  EXPECT_EQ(selectedFiles(), (std::set<std::string>{ "red.png", "green.png" }));
  properties->tagGroupsToShow()->setValue({});
  properties->tagsToShow()->setValue({ "rejected" });
  EXPECT_EQ(selectedFiles(), (std::set<std::string>{ "green.png" }));
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 2, 7 }));
}

TEST_F(ImageTableViewTest, SuspendedItFollowsNothingAndCatchesUpOnResume)
{
  view->suspend();
  selection->setSelection({ 1 });
  properties->tagGroupsToShow()->setValue({});
  properties->tagsToShow()->setValue({ "sharp" });
  EXPECT_TRUE(view->selectedAuxFiles().empty());
  EXPECT_EQ(view->displayedAuxFiles().size(), 6u);
  select({ "green.png" });
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ 1 }) << "no forwarding while suspended";

  view->resume();
  EXPECT_EQ(view->displayedAuxFiles().size(), 1u);
  properties->tagsToShow()->setValue({ "pending" });
  const auto* hint = parent.findChild<QLabel*>("emptyHint");
  ASSERT_TRUE(hint);
  EXPECT_EQ(hint->text(), "None of the 7 images has its first tag among the tags to show.");
  properties->tagsToShow()->setValue({ "sharp" });
  EXPECT_TRUE(hint->isHidden());
  EXPECT_TRUE(view->selectedAuxFiles().empty()) << "case 1's red image is not shown";
  selection->setSelection({ 3 });
  EXPECT_EQ(selectedFiles(), std::set<std::string>{ "blue.png" });
}

TEST_F(ImageTableViewTest, ZoomAndLabelsResizeTheCellsAtOnce)
{
  const int before = table().verticalHeader()->sectionSize(0);
  properties->zoom()->setValue(ImageViewProperties::defaultZoom + 2);
  const QSize size = zoomLevelToImageSize(ImageViewProperties::defaultZoom + 2);
  EXPECT_EQ(table().imageDelegate()->imageSize(), size);
  EXPECT_EQ(
    table().horizontalHeader()->sectionSize(0), size.width() + 2 * ImageViewItemDelegate::margin);
  EXPECT_GT(table().verticalHeader()->sectionSize(0), before);

  const int unlabelled = table().verticalHeader()->sectionSize(0);
  properties->variablesInLabel()->setValue({ Project::project().variable("kind") });
  properties->showLabels()->setValue(true);
  EXPECT_EQ(model().data(cellOf("red.png"), Qt::DisplayRole).toString(), "kind: a");
  EXPECT_GT(table().verticalHeader()->sectionSize(0), unlabelled);
  properties->showLabels()->setValue(false);
  EXPECT_EQ(model().data(cellOf("red.png"), Qt::DisplayRole).toString(), "");
  EXPECT_EQ(table().verticalHeader()->sectionSize(0), unlabelled);
}

TEST_F(ImageTableViewTest, FollowsFiltersAndOutlivesItsWidget)
{
  pipeline->addFilter(boost::make_shared<RangeFilter>(Project::project().variable("x"), 1.5, 2.5));
  QCoreApplication::processEvents();
  EXPECT_EQ(view->displayedAuxFiles().size(), 2u) << "cases 2 and 5";
  pipeline->removeFilter(pipeline->filters().front());
  QCoreApplication::processEvents();
  EXPECT_EQ(view->displayedAuxFiles().size(), 6u);

  delete view->tableView()->parentWidget();
  EXPECT_EQ(view->tableView(), nullptr);
  EXPECT_EQ(view->width(), 0);
  selection->setSelection({ 2 });
  properties->zoom()->setValue(1);
  view->refresh();
  EXPECT_TRUE(view->selectedAuxFiles().empty());
}
