#include "tests/analyzer/dataviews/table/TableFixture.h"

#include "analyzer/dataviews/table/SelectedCasesView.h"
#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/pipeline/RangeFilter.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QTableView>

TEST_F(TableFixture, SharedSelectionReachesBothTablesButOnlyTheTableWritesBack)
{
  parent.resize(800, 500);
  parent.show();
  auto table = boost::make_shared<TableView>(pipeline, selection, parent);
  QWidget casesParent;
  auto cases = boost::make_shared<SelectedCasesView>(pipeline, selection, casesParent);
  casesParent.resize(800, 500);
  casesParent.show();
  QAbstractItemModel* casesModel = cases->tableView().model();
  QAbstractItemModelTester tester(
    casesModel, QAbstractItemModelTester::FailureReportingMode::Warning);
  EXPECT_EQ(casesModel->rowCount(), 0) << "no selection, an empty table";

  selection->setSelection({ 3, 4, 5, 9 });
  EXPECT_EQ(casesInRowOrder(*casesModel), (std::vector<uint64_t>{ 3, 4, 5, 9 }));
  EXPECT_EQ(casesPaintedSelected(table->tableView()), (std::set<uint64_t>{ 3, 4, 5, 9 }));
  EXPECT_EQ(casesPaintedSelected(cases->tableView()), (std::set<uint64_t>{ 3, 4, 5, 9 }));
  EXPECT_EQ(cases->selections(), (std::set<uint64_t>{ 3, 4, 5, 9 }));
  testsupport::setValue(4, "x", 4.5);
  EXPECT_EQ(casesPaintedSelected(cases->tableView()), (std::set<uint64_t>{ 3, 4, 5, 9 }))
    << "the highlight stays through data changes";

  cases->tableView().selectionModel()->select(
    casesModel->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(cases->selections(), std::set<uint64_t>{ 3 });
  EXPECT_EQ(casesPaintedSelected(cases->tableView()), std::set<uint64_t>{ 3 });
  EXPECT_EQ(selection->getSelections(), (std::set<uint64_t>{ 3, 4, 5, 9 }))
    << "the selected-cases view never writes its selection back";

  QAbstractItemModel* tableModel = table->tableView().model();
  table->tableView().selectionModel()->select(
    tableModel->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ 1 });
  EXPECT_EQ(casesInRowOrder(*casesModel), std::vector<uint64_t>{ 1 });
}

TEST_F(TableFixture, SelectedCasesIgnoreFiltersAndShowViolations)
{
  auto table = boost::make_shared<TableView>(pipeline, selection, parent);
  table->useFilters()->setValue(true);
  pipeline->addFilter(boost::make_shared<RangeFilter>(Project::project().variable("x"), 2.0, 8.0));
  QWidget casesParent;
  auto cases = boost::make_shared<SelectedCasesView>(pipeline, selection, casesParent);
  selection->setSelection({ 1, 3, 10 });
  QAbstractItemModel* model = cases->tableView().model();
  ASSERT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 1, 3, 10 }));
  for (int row = 0; row < model->rowCount(); ++row)
  {
    const uint64_t id = model->index(row, 0).data().toULongLong();
    EXPECT_EQ(model->index(row, 1).data(ConstraintViolationRole).toBool(), id != 3) << id;
    EXPECT_FALSE(model->index(row, 2).data(ConstraintViolationRole).toBool());
  }

  cases->suspend();
  selection->setSelection({ 2 });
  cases->resume();
  EXPECT_EQ(casesInRowOrder(*model), std::vector<uint64_t>{ 2 })
    << "the rows follow the selection, suspended or not: only the data connection is blocked";
}
