#include "apps/explorer/TableCsvWriter.h"
#include "apps/explorer/ViewArea.h"
#include "tests/analyzer/dataviews/TestViews.h"

#include <QHeaderView>
#include <QImage>
#include <QPointer>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextStream>
#include <gtest/gtest.h>

namespace
{

QString csvOf(const QTableView& table)
{
  QString text;
  QTextStream out(&text);
  TableCsvWriter::write(table, out);
  out.flush();
  return text;
}

} // namespace

TEST(TableCsvWriter, WritesWhatTheTableShowsInItsOrder)
{
  QStandardItemModel model(3, 3);
  model.setHorizontalHeaderLabels({ "id", "name", "note" });
  const QStringList rows[] = {
    { "1", "plain", "a" }, { "2", "with, comma", "b" }, { "3", "say \"hi\"", " padded" }
  };
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      model.setItem(row, column, new QStandardItem(rows[row][column]));
  QTableView table;
  table.setModel(&model);
  EXPECT_EQ(csvOf(table),
    "id,name,note\n1,plain,a\n2,\"with, comma\",b\n3,\"say \"\"hi\"\"\",\" padded\"\n");

  table.horizontalHeader()->moveSection(2, 0);
  table.setColumnHidden(1, true);
  table.setRowHidden(1, true);
  table.verticalHeader()->moveSection(2, 0);
  EXPECT_EQ(csvOf(table), "note,id\n\" padded\",3\na,1\n")
    << "moved columns and rows in their shown order, hidden ones left out";

  EXPECT_EQ(TableCsvWriter::field("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(TableCsvWriter::field("NaN"), "NaN");
}

TEST(ViewArea, TabsHandTheirContainersBackToTheManager)
{
  ViewArea area;
  auto first = boost::make_shared<testviews::TestTableView>("Table");
  auto second = boost::make_shared<testviews::TestTableView>("Table");
  auto owned = std::make_unique<QWidget>();
  auto secondOwned = std::make_unique<QWidget>();
  QPointer<QWidget> container = owned.get();
  area.addView(owned.get(), first);
  area.addView(secondOwned.get(), second);
  EXPECT_EQ(area.tabText(0), "Table");
  EXPECT_EQ(area.tabText(1), "Table 2");
  EXPECT_EQ(area.currentView(), second);
  EXPECT_EQ(area.containerOf(first), container.data());

  area.removeView(first);
  EXPECT_EQ(area.count(), 1);
  ASSERT_TRUE(container) << "the container is not deleted";
  EXPECT_EQ(container->parent(), nullptr);
  EXPECT_FALSE(container->isVisible());
  EXPECT_EQ(area.containerOf(first), nullptr);

  area.addView(owned.get(), first);
  area.releaseAll();
  EXPECT_EQ(area.count(), 0);
  EXPECT_EQ(container->parent(), nullptr);
  EXPECT_EQ(area.currentView(), nullptr);
}

TEST(ExplorerResources, HoldTheLockIconOfLockedColumns)
{
  const QImage lock(QStringLiteral(":/images/lock_48.png"));
  EXPECT_EQ(lock.size(), QSize(48, 48));
}
