#include "tests/analyzer/dataviews/table/TableFixture.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/table/SelectedCasesView.h"
#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Variable.h"

#include <QAbstractItemModelTester>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace
{

/// Every model of a table's stack, from the view's down to the table model.
std::vector<QAbstractItemModel*> modelStack(QTableView& table)
{
  std::vector<QAbstractItemModel*> models{ table.model() };
  while (auto* proxy = qobject_cast<QAbstractProxyModel*>(models.back()))
    models.push_back(proxy->sourceModel());
  return models;
}

void showWindowOf(QTableView& table)
{
  table.window()->resize(800, 500);
  table.window()->show();
}

struct SharedSelectionTest : TableFixture
{
  void SetUp() override
  {
    TableFixture::SetUp();
    parent.resize(800, 500);
    parent.show();
  }

  boost::shared_ptr<RangeFilter> filterX(double low, double high)
  {
    auto filter = boost::make_shared<RangeFilter>(Project::project().variable("x"), low, high);
    pipeline->addFilter(filter);
    return filter;
  }
};

} // namespace

TEST_F(SharedSelectionTest, AFilteredTableNeverNarrowsTheSharedSelectionAndARemovedOneIsInert)
{
  DataViewManager manager(pipeline, nullptr, selection);
  auto table = boost::dynamic_pointer_cast<TableView>(manager.addTableView());
  showWindowOf(table->tableView());
  table->useFilters()->setValue(true);
  const std::set<uint64_t> chosen{ 1, 2, 3, 4 };
  selection->setSelection(chosen);

  auto filter = filterX(2.5, 10.0);
  EXPECT_EQ(selection->getSelections(), chosen) << "adding a filter";
  EXPECT_EQ(casesPaintedSelected(table->tableView()), (std::set<uint64_t>{ 3, 4 }));
  EXPECT_EQ(table->selections(), (std::set<uint64_t>{ 3, 4 }));
  filter->setRange(2.5, 9.0);
  EXPECT_EQ(selection->getSelections(), chosen) << "changing a filter";
  table->useFilters()->setValue(false);
  table->useFilters()->setValue(true);
  EXPECT_EQ(selection->getSelections(), chosen) << "toggling Use Filters";

  QAbstractItemModel* model = table->tableView().model();
  const QModelIndex x3 = model->index(rowOfCase(*model, 3), columnNamed(*model, "x"));
  ASSERT_TRUE(model->setData(x3, "3.5"));
  QApplication::processEvents();
  EXPECT_EQ(selection->getSelections(), chosen) << "editing a cell";

  manager.removeView(table);
  stack().undo();
  QApplication::processEvents();
  EXPECT_EQ(selection->getSelections(), chosen) << "undoing the table's removal";
  EXPECT_EQ(casesPaintedSelected(table->tableView()), (std::set<uint64_t>{ 3, 4 }));

  // A removed table is inert until restored.
  manager.removeView(table);
  ASSERT_EQ(model->rowCount(), 5);
  filter->setRange(4.5, 10.0);
  selection->setSelection({ 5, 6 });
  EXPECT_EQ(model->rowCount(), 5) << "a removed table ignores pipeline changes";
  EXPECT_EQ(casesPaintedSelected(table->tableView()), (std::set<uint64_t>{ 3, 4 }))
    << "and selection changes";
  manager.restoreView(table);
  EXPECT_EQ(model->rowCount(), 4) << "restored, it shows the current data";
  EXPECT_EQ(casesPaintedSelected(table->tableView()), (std::set<uint64_t>{ 5, 6 }))
    << "and the current selection";
}

TEST_F(SharedSelectionTest, EditsAcrossTheFilterKeepEveryModelInStep)
{
  auto filtered = boost::make_shared<TableView>(pipeline, selection, parent);
  filtered->useFilters()->setValue(true);
  filterX(2.0, 5.0);
  QWidget otherParent;
  auto unfiltered = boost::make_shared<TableView>(pipeline, selection, otherParent);

  std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
  for (QAbstractItemModel* model : modelStack(filtered->tableView()))
    testers.push_back(std::make_unique<QAbstractItemModelTester>(
      model, QAbstractItemModelTester::FailureReportingMode::Warning));
  QAbstractItemModel* model = filtered->tableView().model();
  const int x = columnNamed(*model, "x");
  filtered->tableView().sortByColumn(x, Qt::DescendingOrder);
  ASSERT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 5, 4, 3, 2 }));

  ASSERT_TRUE(model->setData(model->index(0, x), "9"));
  QApplication::processEvents();
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 3, 2 })) << "case 5 went out";

  QAbstractItemModel* other = unfiltered->tableView().model();
  ASSERT_TRUE(other->setData(other->index(rowOfCase(*other, 10), columnNamed(*other, "x")), "3.5"));
  QApplication::processEvents();
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 10, 3, 2 }))
    << "case 10 came in, in sorted place";

  stack().undo();
  stack().undo();
  QApplication::processEvents();
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 5, 4, 3, 2 }));
  EXPECT_EQ(filtered->tableView().horizontalHeader()->sortIndicatorSection(), x);
}

TEST_F(SharedSelectionTest, SortingIsTheSameBeforeAndAfterAReset)
{
  // Values apart in the 8th digit, which the cell texts round away; "z" holds NaN and NULL.
  ProjectContents contents;
  contents.addVariable("y", Variable::Independent, ValueType::Real);
  contents.addVariable("z", Variable::Independent, ValueType::Real);
  contents.addVariable("label", Variable::Other, ValueType::Text);
  contents.addRecord(1, { 1.00000003, Variant::null(), "a" });
  contents.addRecord(2, { 1.00000002, 2.00000002, "b" });
  contents.addRecord(3, { 1.00000001, Variant::nan(), "c" });
  contents.addRecord(4, { 0.5, 2.00000001, "d" });
  Project::project().assign(std::move(contents));
  auto table = boost::make_shared<TableView>(pipeline, selection, parent);
  QAbstractItemModel* model = table->tableView().model();

  table->tableView().sortByColumn(columnNamed(*model, "y"), Qt::AscendingOrder);
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 3, 2, 1 }));
  testsupport::setValue(1, "label", "reset");
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 3, 2, 1 })) << "after a reset";

  table->tableView().sortByColumn(columnNamed(*model, "z"), Qt::AscendingOrder);
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 2, 3, 1 }));
  testsupport::setValue(1, "label", "again");
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 2, 3, 1 })) << "after a reset";
}

TEST_F(SharedSelectionTest, SortsKeepTiesInCaseOrderEitherWayAndTheCurrentRowWithItsCase)
{
  ProjectContents contents;
  contents.addVariable("y", Variable::Independent, ValueType::Real);
  contents.addVariable("label", Variable::Other, ValueType::Text);
  contents.addRecord(1, { 2.0, "b" });
  contents.addRecord(2, { 1.0, "a" });
  contents.addRecord(3, { 2.0, "B" });
  contents.addRecord(4, { Variant::nan(), "a" });
  Project::project().assign(std::move(contents));
  auto table = boost::make_shared<TableView>(pipeline, selection, parent);
  QTableView& view = table->tableView();
  QAbstractItemModel* model = view.model();
  const int y = columnNamed(*model, "y");
  auto currentCase = [&]
  { return model->index(view.currentIndex().row(), 0).data().toULongLong(); };
  view.setCurrentIndex(model->index(1, y));
  ASSERT_EQ(currentCase(), 2u);

  view.sortByColumn(y, Qt::AscendingOrder);
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 2, 1, 3, 4 }));
  EXPECT_EQ(currentCase(), 2u);
  view.sortByColumn(y, Qt::DescendingOrder);
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 4, 1, 3, 2 }))
    << "NaN above the numbers, equal values still in case order";
  EXPECT_EQ(currentCase(), 2u) << "the current row moves with its case";
  view.sortByColumn(columnNamed(*model, "label"), Qt::AscendingOrder);
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 3, 2, 4, 1 }))
    << "text by character code, upper case first";
  view.sortByColumn(0, Qt::AscendingOrder);
  EXPECT_EQ(casesInRowOrder(*model), (std::vector<uint64_t>{ 1, 2, 3, 4 }));

  // The selected-cases view sorts the rows its filter lets through, also once they change.
  selection->setSelection({ 1, 2, 3 });
  QWidget otherParent;
  auto cases = boost::make_shared<SelectedCasesView>(pipeline, selection, otherParent);
  QAbstractItemModel* casesModel = cases->tableView().model();
  cases->tableView().sortByColumn(columnNamed(*casesModel, "y"), Qt::DescendingOrder);
  EXPECT_EQ(casesInRowOrder(*casesModel), (std::vector<uint64_t>{ 1, 3, 2 }));
  selection->setSelection({ 2, 3, 4 });
  EXPECT_EQ(casesInRowOrder(*casesModel), (std::vector<uint64_t>{ 4, 3, 2 }));
}

TEST_F(SharedSelectionTest, CaseIdsBeyondDoublesAreExact)
{
  const uint64_t beyondDouble = (uint64_t(1) << 53) + 1;
  const uint64_t beyondSigned = (uint64_t(1) << 63) + 5;
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  contents.addRecord(beyondDouble - 1, { 1.0 });
  contents.addRecord(beyondDouble, { 2.0 });
  contents.addRecord(beyondSigned, { 3.0 });
  contents.addRecord(beyondSigned + 1, { 4.0 });
  Project::project().assign(std::move(contents));

  auto table = boost::make_shared<TableView>(pipeline, selection, parent);
  QWidget casesParent;
  auto cases = boost::make_shared<SelectedCasesView>(pipeline, selection, casesParent);
  QAbstractItemModel* model = table->tableView().model();
  const int row = rowOfCase(*model, beyondSigned);
  ASSERT_GE(row, 0);
  EXPECT_EQ(model->index(row, 0).data().toString(), "9223372036854775813");
  EXPECT_EQ(model->index(row, 1).data(CaseIdRole).toULongLong(), beyondSigned);

  selection->setSelection({ beyondDouble, beyondSigned });
  EXPECT_EQ(
    casesPaintedSelected(table->tableView()), (std::set<uint64_t>{ beyondDouble, beyondSigned }));
  EXPECT_EQ(cases->selections(), (std::set<uint64_t>{ beyondDouble, beyondSigned }));
  std::set<uint64_t> listed;
  for (int i = 0; i < cases->tableView().model()->rowCount(); ++i)
    listed.insert(cases->tableView().model()->index(i, 0).data(CaseIdRole).toULongLong());
  EXPECT_EQ(listed, (std::set<uint64_t>{ beyondDouble, beyondSigned }));

  ASSERT_TRUE(model->setData(model->index(row, 1), "7.5"));
  auto& x = *Project::project().variable("x").lock();
  EXPECT_EQ(Project::project().record(beyondSigned).lock()->data(x).doubleValue(), 7.5);
  EXPECT_EQ(Project::project().record(beyondSigned + 1).lock()->data(x).doubleValue(), 4.0);

  table->tableView().selectionModel()->select(model->index(rowOfCase(*model, beyondDouble), 0),
    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ beyondDouble });
}
