#include "tests/analyzer/dataviews/image/ImageViewFixture.h"

#include "analyzer/dataviews/image/ImageListView.h"
#include "analyzer/dataviews/image/SelectedImageView.h"
#include "analyzer/dataviews/serialize/ViewCollectionSerializer.h"
#include "host/imagesupport/AuxFileImageData.h"
#include "host/imagesupport/ImageViewItemDelegate.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"

#include <QDomDocument>
#include <QListView>
#include <QTest>

using Props = ImageMatrixViewProperties;

namespace
{

class ImageListFixture : public ImageViewFixture
{
protected:
  void SetUp() override
  {
    ImageViewFixture::SetUp();
    list = std::make_unique<ImageListView>(
      parent, pipeline->unfilteredOutput(), manager->imageLoader(), properties);
  }
  void TearDown() override
  {
    list.reset();
    ImageViewFixture::TearDown();
  }

  QModelIndex rowOf(const std::string& fileName)
  {
    QAbstractItemModel& model = *list->listView()->model();
    for (int row = 0; row < model.rowCount(); ++row)
      if (fileNameOf(list->displayedAuxFiles()[row]) == fileName)
        return model.index(row, 0);
    return QModelIndex();
  }

  boost::shared_ptr<ImageViewProperties> properties = boost::make_shared<ImageViewProperties>();
  QWidget parent;
  std::unique_ptr<ImageListView> list;
};

boost::shared_ptr<SelectedImageView> asSelected(
  const boost::shared_ptr<SelectedImageViewInterface>& view)
{
  return boost::dynamic_pointer_cast<SelectedImageView>(view);
}

} // namespace

TEST_F(ImageListFixture, ShowsImagesByFirstTagAndResizesTheGridForLabelsAndZoomAtOnce)
{
  EXPECT_TRUE(list->displayedAuxFiles().empty()) << "no tag chosen";
  EXPECT_EQ(list->availableTags(), (std::vector<std::string>{ "approved", "rejected", "sharp" }));
  properties->tagsToShow()->setValue({ "sharp" });
  EXPECT_EQ(namesOf(list->displayedAuxFiles()), std::vector<std::string>{ "blue.png" });
  properties->tagsToShow()->setValue({});
  properties->tagGroupsToShow()->setValue({ "Review" });
  EXPECT_EQ(list->displayedAuxFiles().size(), 6u);
  EXPECT_EQ(list->listView()->objectName(), "listView");
  EXPECT_EQ(parent.objectName(), "ImageListView");

  // Labels and zoom resize the grid at once.
  properties->tagsToShow()->setValue({ "approved" });
  const QModelIndex red = rowOf("red.png");
  EXPECT_EQ(
    red.data(Qt::ToolTipRole).toString(), "Case ID: 1\nFile Name: " + files.path("red.png"));

  properties->variablesInLabel()->setValue({ Project::project().variable("x") });
  properties->showLabels()->setValue(true);
  EXPECT_EQ(red.data(Qt::DisplayRole).toString(), "x: 1");
  const QSize labelled = list->listView()->gridSize();
  properties->showLabels()->setValue(false);
  EXPECT_EQ(red.data(Qt::DisplayRole).toString(), "");
  EXPECT_LT(list->listView()->gridSize().height(), labelled.height());

  properties->zoom()->setValue(1);
  auto* delegate = dynamic_cast<ImageViewItemDelegate*>(list->listView()->itemDelegate());
  ASSERT_TRUE(delegate);
  EXPECT_EQ(delegate->imageSize(), zoomLevelToImageSize(1));
  EXPECT_EQ(list->listView()->gridSize(),
    zoomLevelToImageSize(1) + QSize(2, 2) * ImageViewItemDelegate::margin);
}

TEST_F(ImageListFixture, BroadcastsTheSelectedImagesInSelectionOrder)
{
  properties->tagsToShow()->setValue({ "approved" });
  std::vector<std::vector<std::string>> announced;
  list->signalSelectedImagesChanged.connect(
    [&](const std::vector<AuxFilePtr>& images) { announced.push_back(namesOf(images)); });
  list->listView()->selectionModel()->select(rowOf("yellow-2.png"), QItemSelectionModel::Select);
  list->listView()->selectionModel()->select(rowOf("red.png"), QItemSelectionModel::Select);
  ASSERT_EQ(announced.size(), 2u);
  EXPECT_EQ(announced.back(), (std::vector<std::string>{ "yellow-2.png", "red.png" }));
  EXPECT_EQ(list->numSelections(), 2);
  EXPECT_TRUE(selection->getSelections().empty()) << "the list keeps its selection to itself";

  list->suspend();
  list->listView()->selectionModel()->clearSelection();
  EXPECT_EQ(announced.size(), 2u);
}

TEST_F(ImageViewFixture, SelectedImagesSwitchFromListToMatrixWithASecondTag)
{
  const auto view = asSelected(manager->addSelectedImageView({ 4, 1, 3 }));
  EXPECT_EQ(view->title(), "Selected Image View");
  EXPECT_EQ(view->properties()->tagsToShow()->value(), std::vector<std::string>{ "approved" });
  EXPECT_FALSE(view->isMatrixMode());
  EXPECT_EQ(namesOf(view->displayedAuxFiles()),
    (std::vector<std::string>{ "red.png", "yellow-1.png", "yellow-2.png" }));
  EXPECT_EQ(stack().count(), 1);

  view->properties()->tagsToShow()->setValue({ "approved", "sharp" });
  EXPECT_TRUE(view->isMatrixMode());
  EXPECT_EQ(view->properties()->dimensionRowsBy()->value(), Props::ByTag);
  EXPECT_EQ(view->properties()->dimensionColumnsBy()->value(), Props::ByNothing);
  EXPECT_EQ(view->displayedAuxFiles().size(), 4u);
  EXPECT_TRUE(selection->getSelections().empty()) << "the matrix selects only among its own";

  stack().undo();
  EXPECT_FALSE(view->isMatrixMode());
  EXPECT_EQ(view->properties()->dimensionRowsBy()->value(), Props::ByNothing);
}

TEST_F(ImageViewFixture, DeleteRemovesTheCasesOfTheSelectedImagesAsOneStep)
{
  const auto view = asSelected(manager->addSelectedImageView({ 1, 4, 5 }));
  auto* listView = view->keyWidget().findChild<QListView*>("listView");
  ASSERT_TRUE(listView);
  // Both images of case 4.
  const auto shown = namesOf(view->displayedAuxFiles());
  ASSERT_EQ(
    shown, (std::vector<std::string>{ "red.png", "yellow-1.png", "yellow-2.png", "missing.png" }));
  selectCells(*listView, { listView->model()->index(1, 0), listView->model()->index(2, 0) });
  EXPECT_EQ(view->numSelections(), 2);

  QTest::keyClick(listView, Qt::Key_A);
  EXPECT_EQ(view->displayedCases()->value(), (std::vector<uint64_t>{ 1, 4, 5 }));
  QTest::keyClick(listView, Qt::Key_Delete);
  EXPECT_EQ(view->displayedCases()->value(), (std::vector<uint64_t>{ 1, 5 }));
  EXPECT_EQ(
    namesOf(view->displayedAuxFiles()), (std::vector<std::string>{ "red.png", "missing.png" }));
  EXPECT_EQ(stack().undoText(), "Change Displayed Cases");

  stack().undo();
  EXPECT_EQ(view->displayedCases()->value(), (std::vector<uint64_t>{ 1, 4, 5 }));
  EXPECT_EQ(namesOf(view->displayedAuxFiles()), shown);

  // Nothing selected: Backspace changes nothing.
  listView->clearSelection();
  const int steps = stack().count();
  QTest::keyClick(listView, Qt::Key_Backspace);
  EXPECT_EQ(stack().count(), steps);
}

TEST_F(ImageViewFixture, SelectedImagesAppendTheSharedSelectionAndAreSavedByCase)
{
  const auto view = asSelected(manager->addSelectedImageView({ 4 }));
  selection->setSelection({ 1 });
  EXPECT_EQ(view->displayedCases()->value(), std::vector<uint64_t>{ 4 });
  view->appendSelection()->setValue(true);
  EXPECT_EQ(view->displayedCases()->value(), (std::vector<uint64_t>{ 4, 1 }));
  selection->setSelection({ 6, 1, 3 });
  EXPECT_EQ(view->displayedCases()->value(), (std::vector<uint64_t>{ 4, 1, 3, 6 }));

  manager->removeView(view);
  selection->setSelection({ 5 });
  EXPECT_EQ(view->displayedCases()->value().size(), 4u);
  stack().undo();
  EXPECT_EQ(view->displayedCases()->value(), (std::vector<uint64_t>{ 4, 1, 3, 6, 5 }))
    << "caught up on resume";
  view->appendSelection()->setValue(false);

  QDomDocument document;
  const QDomElement element = view->serializer().serialize(document);
  EXPECT_EQ(element.tagName(), "SelectedImageView");
  EXPECT_EQ(element.firstChildElement("CaseIDs").text(), "4,1,3,6,5");
  EXPECT_EQ(element.firstChildElement("TagsToShow").text(), "approved");

  auto other = boost::make_shared<DataViewManager>(pipeline, nullptr, selection);
  QDomElement views = document.createElement("Views");
  views.appendChild(element);
  ViewCollectionSerializer(other).deserialize(views);
  const auto restored =
    boost::dynamic_pointer_cast<SelectedImageViewInterface>(other->dataViews().front());
  EXPECT_EQ(namesOf(restored->displayedAuxFiles()),
    (std::vector<std::string>{
      "yellow-1.png", "yellow-2.png", "red.png", "truncated.png", "missing.png" }));
}
