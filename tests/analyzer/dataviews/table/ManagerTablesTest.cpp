#include "tests/analyzer/dataviews/table/TableFixture.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "analyzer/dataviews/ViewResetRelevancy.h"

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

  stack().undo();
  EXPECT_EQ(manager.dataViews().size(), 1u);
  selection->setSelection({ 2 });
  stack().redo();
  EXPECT_EQ(manager.dataViews().size(), 2u);
}
