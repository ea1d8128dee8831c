#include "tests/analyzer/dataviews/image/ImageViewFixture.h"

#include "analyzer/dataviews/ViewResetRelevancy.h"
#include "analyzer/dataviews/image/ImageMatrixView.h"
#include "analyzer/dataviews/serialize/ViewCollectionSerializer.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/imagesupport/ImageTableView.h"
#include "host/serialization/SerializerInterface.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "tests/host/serialization/XmlText.h"

#include <QDomDocument>
#include <QTableView>

using Props = ImageMatrixViewProperties;

namespace
{

boost::shared_ptr<ImageMatrixView> asMatrix(const boost::shared_ptr<ImageMatrixViewInterface>& view)
{
  return boost::dynamic_pointer_cast<ImageMatrixView>(view);
}

} // namespace

TEST_F(ImageViewFixture, ANewMatrixShowsTheFirstTagByNameWithoutAnUndoStep)
{
  const auto view = manager->addImageView();
  EXPECT_EQ(view->title(), "Matrix View");
  EXPECT_EQ(view->properties()->tagsToShow()->value(), std::vector<std::string>{ "approved" });
  ASSERT_EQ(stack().count(), 1);
  EXPECT_EQ(stack().text(0), "Add Matrix View");
  // Red (approved, sharp), yellow twice, the missing and the truncated file.
  EXPECT_EQ(asMatrix(view)->imageTable().displayedAuxFiles().size(), 5u);

  // Tags chosen before (a restored view) are kept.
  {
    UndoStack::SuspendUndoRecording suspended;
    view->properties()->tagsToShow()->setValue({ "rejected" });
  }
  QWidget parent;
  ImageMatrixView second(parent, pipeline, selection, manager->imageLoader(), view->properties());
  EXPECT_EQ(view->properties()->tagsToShow()->value(), std::vector<std::string>{ "rejected" });

  ViewResetRelevancy relevancy;
  view->accept(relevancy);
  EXPECT_FALSE(relevancy.viewCanReset());
}

TEST_F(ImageViewFixture, LayoutIsSavedByNameAndRestored)
{
  const auto view = manager->addImageView();
  auto properties = view->properties();
  properties->dimensionRowsBy()->setValue(Props::ByVariable);
  properties->rowVar()->setValue(Project::project().variable("x"));
  properties->dimensionColumnsBy()->setValue(Props::ByNothing);
  properties->dimensionPagesBy()->setValue(Props::PageByTag);
  properties->pageValue()->setValue(Variant("approved"));
  properties->zoom()->setValue(6);
  properties->showLabels()->setValue(true);
  properties->variablesInLabel()->setValue({ Project::project().variable("kind") });

  QDomDocument document;
  const QDomElement views = ViewCollectionSerializer(manager).serialize(document);
  const QDomElement element = views.firstChildElement("ImageView");
  ASSERT_FALSE(element.isNull());
  EXPECT_EQ(element.firstChildElement("DimensionRowsBy").text(), "Variable");
  EXPECT_EQ(element.firstChildElement("RowsBy").text(), "x");
  EXPECT_EQ(element.firstChildElement("DimensionColumnsBy").text(), "Nothing");
  EXPECT_EQ(element.firstChildElement("DimensionPagesBy").text(), "Tag");
  EXPECT_EQ(element.firstChildElement("PageByVarValue").text(), "approved");
  EXPECT_EQ(element.firstChildElement("TagsToShow").text(), "approved");
  EXPECT_EQ(element.firstChildElement("VariablesInLabel").text(), "kind");
  EXPECT_TRUE(element.firstChildElement("ScrollPosition").hasAttribute("Vertical"));

  auto other = boost::make_shared<DataViewManager>(pipeline, nullptr, selection);
  QDomElement saved = views;
  ViewCollectionSerializer(other).deserialize(saved);
  ASSERT_EQ(other->dataViews().size(), 1u);
  EXPECT_EQ(testsupport::xmlText(ViewCollectionSerializer(other)),
    testsupport::xmlText(ViewCollectionSerializer(manager)))
    << "every setting is restored";

  // A dimension name that is not known is refused and changes nothing.
  QDomElement bad = element.cloneNode().toElement();
  bad.firstChildElement("DimensionRowsBy").firstChild().setNodeValue("Diagonal");
  EXPECT_THROW(view->serializer().deserialize(bad), std::out_of_range);
}

TEST_F(ImageViewFixture, SelectionIsSharedBothWaysWithTheTable)
{
  auto table = boost::dynamic_pointer_cast<TableView>(manager->addTableView());
  auto matrix = asMatrix(manager->addImageView());
  QImageTableView& cells = *matrix->imageTable().tableView();

  std::vector<std::vector<std::string>> announced;
  matrix->signalSelectedImagesChanged.connect(
    [&](const std::vector<AuxFilePtr>& images) { announced.push_back(namesOf(images)); });

  // Rows of cases 1 and 4 in the table: red and both yellow images.
  QTableView& rows = table->tableView();
  QItemSelection picked;
  for (int row = 0; row < rows.model()->rowCount(); ++row)
  {
    const auto id = rows.model()->index(row, 0).data().toULongLong();
    if (id == 1 || id == 4)
      picked.select(rows.model()->index(row, 0), rows.model()->index(row, 0));
  }
  rows.selectionModel()->select(
    picked, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 1, 4 }));
  std::vector<std::string> shown = namesOf(matrix->selectedAuxFiles());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<std::string>{ "red.png", "yellow-1.png", "yellow-2.png" }));
  EXPECT_FALSE(announced.empty());

  // Choosing one image there: its case alone is selected, in the table too.
  selectCells(cells, { cellOf(cells, "missing.png") });
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ 5 });
  EXPECT_EQ(table->selections(), std::set<uint64_t>{ 5 });
  EXPECT_EQ(announced.back(), std::vector<std::string>{ "missing.png" });

  // Case 2 has no approved image: selecting it elsewhere clears the matrix, and the matrix
  // does not take it away again.
  selection->setSelection({ 2 });
  EXPECT_TRUE(matrix->selectedAuxFiles().empty());
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ 2 });
}

TEST_F(ImageViewFixture, ARemovedMatrixFollowsNothingUntilUndoBringsItBack)
{
  auto matrix = asMatrix(manager->addImageView());
  QImageTableView& cells = *matrix->imageTable().tableView();
  int announcements = 0;
  matrix->signalSelectedImagesChanged.connect(
    [&](const std::vector<AuxFilePtr>&) { ++announcements; });

  manager->removeView(matrix);
  selection->setSelection({ 1 });
  matrix->properties()->tagsToShow()->setValue({ "rejected" });
  EXPECT_TRUE(matrix->selectedAuxFiles().empty());
  EXPECT_EQ(matrix->imageTable().displayedAuxFiles().size(), 5u) << "no updates while suspended";
  selectCells(cells, { cellOf(cells, "yellow-1.png") });
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ 1 });
  EXPECT_EQ(announcements, 0);

  stack().undo(); // the tag change
  stack().undo(); // the removal
  ASSERT_EQ(manager->dataViews().size(), 1u);
  EXPECT_EQ(namesOf(matrix->selectedAuxFiles()), std::vector<std::string>{ "red.png" });
  selection->setSelection({ 3 });
  EXPECT_TRUE(matrix->selectedAuxFiles().empty());
  selectCells(cells, { cellOf(cells, "truncated.png") });
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 3, 6 })) << "case 3 is not shown here";
  EXPECT_GT(announcements, 0);
}
