#include "analyzer/dataviews/table/TableViewSelectionConverter.h"
#include "host/viewsupport/SelectionModel.h"
#include "host/viewsupport/TableViewSelectionSynchronizer.h"

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

namespace
{

struct SelectionFixture : ::testing::Test
{
  // Rows hold case ids 3, 4, 5, 7, 9: 3..5 are consecutive rows, 9 stands apart.
  QStandardItemModel model{ 0, 2 };
  QTableView view;
  boost::shared_ptr<SelectionModel> shared = boost::make_shared<SelectionModel>();
  boost::shared_ptr<TableViewSelectionConverter> converter;

  void SetUp() override
  {
    for (int id : { 3, 4, 5, 7, 9 })
      model.appendRow({ new QStandardItem(QString::number(id)), new QStandardItem("v") });
    view.setModel(&model);
    converter = boost::make_shared<TableViewSelectionConverter>(view);
  }
};

} // namespace

TEST_F(SelectionFixture, ConsecutiveRowsFormOneRange)
{
  const QItemSelection selection = converter->caseIdsToSelection({ 3, 4, 5, 9, 42 });
  ASSERT_EQ(selection.size(), 2);
  EXPECT_EQ(selection[0].top(), 0);
  EXPECT_EQ(selection[0].bottom(), 2);
  EXPECT_EQ(selection[0].right(), 1);
  EXPECT_EQ(selection[1].top(), 4);
  EXPECT_EQ(selection[1].bottom(), 4);
  EXPECT_TRUE(converter->caseIdsToSelection({}).isEmpty());

  view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(converter->rowsToCaseIds(*view.selectionModel()), (std::set<uint64_t>{ 3, 4, 5, 9 }));
}

TEST_F(SelectionFixture, SynchronizesBothWaysWithoutEcho)
{
  int sharedChanges = 0;
  shared->signalSelectionChanged.connect([&] { ++sharedChanges; });
  shared->setSelection({ 4 });
  TableViewSelectionSynchronizer synchronizer(shared, view, converter);
  EXPECT_EQ(synchronizer.shownCases(), std::vector<uint64_t>{ 4 })
    << "the initial selection is shown";

  QSignalSpy localChanges(view.selectionModel(), &QItemSelectionModel::selectionChanged);
  shared->setSelection({ 7, 9, 42 });
  EXPECT_EQ(synchronizer.shownCases(), (std::vector<uint64_t>{ 7, 9, 42 }));
  EXPECT_TRUE(synchronizer.showsCase(9));
  EXPECT_EQ(localChanges.count(), 0) << "the view draws the shared selection itself";
  EXPECT_EQ(sharedChanges, 2) << "showing the shared selection must not write it back";

  view.selectionModel()->select(
    model.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(shared->getSelections(), std::set<uint64_t>{ 3 });
  EXPECT_EQ(synchronizer.shownCases(), std::vector<uint64_t>{ 3 });
  EXPECT_EQ(localChanges.count(), 1) << "the view's own change is not re-applied to it";
}

TEST_F(SelectionFixture, ExtendingClicksExtendWhatTheViewShows)
{
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.resize(400, 300);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  TableViewSelectionSynchronizer synchronizer(shared, view, converter);
  shared->setSelection({ 3, 4, 5, 9 });
  ASSERT_FALSE(view.selectionModel()->hasSelection());

  const QRect row7 = view.visualRect(model.index(3, 1));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, row7.center());
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 3, 4, 5, 7, 9 }));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, row7.center());
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 3, 4, 5, 9 }));

  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, row7.center());
  EXPECT_EQ(shared->getSelections(), std::set<uint64_t>{ 7 }) << "a plain click selects one case";
}
