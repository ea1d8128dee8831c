#include "tests/analyzer/dataviews/table/TableFixture.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "analyzer/dataviews/ViewResetRelevancy.h"
#include "host/serialization/SerializerInterface.h"

#include <QDomDocument>

TEST_F(TableFixture, ManagerCreatesTablesAndOneSelectedCasesView)
{
  DataViewManager manager(pipeline, nullptr, selection);
  std::vector<QWidget*> announced;
  manager.signalViewCreated.connect(
    [&](QWidget* widget, boost::shared_ptr<DataViewInterface>) { announced.push_back(widget); });

  auto table = manager.addTableView();
  EXPECT_EQ(table->title(), "Table View");
  EXPECT_EQ(stack().undoText(), "Add Table View");
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_GT(table->width(), 0);

  QWidget dock;
  auto cases = manager.addSelectedCasesView(dock);
  QWidget otherDock;
  EXPECT_EQ(manager.addSelectedCasesView(otherDock), cases);
  EXPECT_EQ(announced, (std::vector<QWidget*>{ announced[0], &dock }));
  EXPECT_EQ(stack().count(), 1) << "the selected-cases view has no undo step";
  EXPECT_EQ(manager.dataViews().size(), 2u);

  ViewResetRelevancy relevancy;
  table->accept(relevancy);
  cases->accept(relevancy);
  EXPECT_FALSE(relevancy.viewCanReset());
}

TEST_F(TableFixture, AViewOutlivingItsManagerIgnoresLaterChanges)
{
  auto manager = boost::make_shared<DataViewManager>(pipeline, nullptr, selection);
  auto table = manager->addTableView();
  manager.reset();
  UndoStack::clear();
  selection->setSelection({ 2, 3 });
  testsupport::setValue(2, "x", 4.5);
  EXPECT_EQ(table->width(), 0);
  QDomDocument document;
  EXPECT_EQ(table->serializer().serialize(document).firstChildElement("ColumnOrder").text(), "");
}
