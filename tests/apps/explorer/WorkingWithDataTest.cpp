#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/ExportMenu.h"
#include "apps/explorer/FilterPanel.h"
#include "apps/explorer/TableMarksLegend.h"
#include "apps/explorer/ViewArea.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Project.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/support/ItemModels.h"

#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

using explorertest::writeFile;

namespace
{

class WorkingWithDataTest : public ::testing::Test
{
protected:
  void SetUp() override { ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path()))); }

  QTableView& tableOf(const boost::shared_ptr<DataViewInterface>& view) const
  {
    return *window.containerOf(view)->findChild<QTableView*>();
  }

  static int section(const QTableView& table, const QString& name)
  {
    return testsupport::columnNamed(*table.model(), name);
  }

  QTemporaryDir dir;
  ExplorerWindow window{ ExplorerWindow::Mode::Batch };
};

QStringList rowTexts(const QTreeWidget& list)
{
  QStringList rows;
  for (int row = 0; row < list.topLevelItemCount(); ++row)
    rows << QStringLiteral("%1|%2|%3")
              .arg(list.topLevelItem(row)->text(0),
                list.topLevelItem(row)->text(1),
                list.topLevelItem(row)->text(2));
  return rows;
}

} // namespace

TEST_F(WorkingWithDataTest, ACsvWithMissingImagesOpensEveryCaseAndNamesTheFiles)
{
  const QDir folder(dir.path());
  writeFile(folder, "a.png", "");
  const QString path = writeFile(folder,
    "photos.csv",
    "Case ID,Length,Image\n1,1.5,a.png\n2,2.5,gone.png\n3,3.5,lost.png\n4,4.5,a.png\n");
  ASSERT_TRUE(window.openFile(path));
  EXPECT_EQ(Project::project().recordCount(), 4);
  EXPECT_EQ(Project::project().auxFiles().size(), 4u);
  ASSERT_EQ(window.problems().size(), 1) << "reported once";
  const QString report = window.problems().front();
  EXPECT_TRUE(report.startsWith("Missing image files: 2 image files do not exist:"))
    << report.toStdString();
  EXPECT_TRUE(report.contains(folder.filePath("gone.png")));
  EXPECT_TRUE(report.contains(folder.filePath("lost.png")));

  ASSERT_TRUE(
    window.openFile(writeFile(folder, "one.csv", "Length,Image File\n1,a.png\n2,nowhere.png\n")));
  EXPECT_TRUE(window.problems().last().contains(
    "The image file " + folder.filePath("nowhere.png") + " does not exist. Its case is open"))
    << window.problems().last().toStdString();
}

TEST_F(WorkingWithDataTest, ALatin1CsvOpensAndSaysSoOnce)
{
  const QString path = testsupport::writeFile(
    QDir(dir.path()).filePath("latin.csv"), "Case ID,Material\n1,M\xe9tal\n2,Acier tremp\xe9\n");
  const int before = window.problems().size();
  ASSERT_TRUE(window.openFile(path));
  ASSERT_EQ(window.problems().size(), before + 1);
  EXPECT_EQ(window.problems().last(),
    "Text encoding: latin.csv: the file is not valid UTF-8 text; it was read as Latin-1.");
  EXPECT_EQ(Project::project().recordCount(), 2);

  ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path())));
  EXPECT_EQ(window.problems().size(), before + 1) << "a UTF-8 file reads without a word";
}

TEST_F(WorkingWithDataTest, FilterPanelEnablesAndRemovesFiltersAndFollowsUndoAndRedoAtOnce)
{
  window.addView("table");
  FilterPanel& panel = window.filterPanel();
  QTreeWidget& list = panel.list();
  window.pipeline().addFilter(
    boost::make_shared<RangeFilter>(Project::project().variable("Stress"), 70.0, 150.0));
  QApplication::processEvents();
  EXPECT_EQ(rowTexts(list), (QStringList{ "Stress|Range|70 to 150" }));

  // Unchecking disables the filter, as an undo step.
  list.topLevelItem(0)->setCheckState(0, Qt::Unchecked);
  EXPECT_FALSE(window.pipeline().allFilters().front()->isEnabled());
  EXPECT_TRUE(window.pipeline().filters().empty());
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(window.pipeline().allFilters().front()->isEnabled());

  QApplication::processEvents();
  list.setCurrentItem(list.topLevelItem(0));
  panel.removeCurrentFilter();
  QApplication::processEvents();
  EXPECT_EQ(rowTexts(list), QStringList()) << "no row is left behind";
  UndoStack::qUndoStack().undo();
  QApplication::processEvents();
  EXPECT_EQ(rowTexts(list), (QStringList{ "Stress|Range|70 to 150" }));
  boost::dynamic_pointer_cast<RangeFilter>(window.pipeline().allFilters().front())
    ->setRange(100.0, 250.0);
  QApplication::processEvents();
  EXPECT_EQ(rowTexts(list), (QStringList{ "Stress|Range|100 to 250" }));
  UndoStack::qUndoStack().undo();
  UndoStack::qUndoStack().undo();
  QApplication::processEvents();
  EXPECT_EQ(rowTexts(list), QStringList());
  UndoStack::qUndoStack().redo();
  QApplication::processEvents();
  EXPECT_EQ(rowTexts(list), (QStringList{ "Stress|Range|70 to 150" }));
  EXPECT_FALSE(list.currentItem()) << "no filter chosen, so Edit and Remove are off";
}

TEST_F(WorkingWithDataTest, CopyGivesTheSelectedRowsAsShownWithAHeader)
{
  const auto view = window.addView("table");
  QTableView& table = tableOf(view);
  table.sortByColumn(section(table, "Stress"), Qt::DescendingOrder);
  EXPECT_FALSE(window.copySelectedRows()) << "nothing selected";
  window.select({ 12, 14, 13 });
  ASSERT_TRUE(window.copySelectedRows());
  const QStringList lines = QApplication::clipboard()->text().split('\n');
  ASSERT_EQ(lines.size(), 5) << "a header, three rows and the end of the last line";
  EXPECT_EQ(lines[0], "Case ID\tLength\tWidth\tMaterial\tStress\tMass");
  EXPECT_EQ(lines[1], "13\t2.5\t30\tSteel\t210\t5.5") << "in the order shown";
  EXPECT_EQ(lines[2], "12\t2\t25\tAluminium\t80.25\t2.1");
  EXPECT_EQ(lines[3], "14\t1\t15\tTitanium, grade 5\t60\t1.4");
  EXPECT_EQ(lines[4], "");
}

TEST_F(WorkingWithDataTest, TablesShowAKeyToTheirMarks)
{
  const auto view = window.addView("table");
  const auto* legend = window.viewArea().currentWidget()->findChild<TableMarksLegend*>();
  ASSERT_NE(legend, nullptr);
  EXPECT_EQ(window.viewArea().currentWidget()->findChild<QTableView*>(), &tableOf(view));
  EXPECT_EQ(TableMarksLegend::explanations().size(), 4);
  window.removeCurrentView();
  EXPECT_EQ(window.viewArea().count(), 0);
  UndoStack::qUndoStack().undo();
  EXPECT_NE(window.viewArea().currentWidget()->findChild<TableMarksLegend*>(), nullptr)
    << "an undone removal brings the key back";
}

TEST_F(WorkingWithDataTest, ExportWritesTheCurrentTableOrEveryViewIntoAFolder)
{
  const auto view = window.addView("table");
  tableOf(view).sortByColumn(section(tableOf(view), "Length"), Qt::DescendingOrder);
  const QString path = QDir(dir.path()).filePath("current.csv");
  ASSERT_TRUE(window.exportMenu().exportCurrentView(path));
  const QStringList lines = QString::fromUtf8(testsupport::readFile(path)).split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], "Case ID,Length,Width,Material,Stress,Mass");
  EXPECT_TRUE(lines[1].startsWith("15,3,")) << "in the order shown";

  const QString folder = QDir(dir.path()).filePath("all");
  const QStringList written = window.exportMenu().exportAllViews(folder);
  EXPECT_EQ(written,
    (QStringList{ QDir(folder).filePath("views.xml"),
      QDir(folder).filePath("selected-cases.csv"),
      QDir(folder).filePath("table.csv"),
      QDir(folder).filePath("selected-cases.png"),
      QDir(folder).filePath("table.png") }));
  EXPECT_FALSE(window.exportMenu().exportCurrentView(QDir(dir.path()).filePath("no/such/a.csv")));
  EXPECT_TRUE(window.problems().last().startsWith("Cannot export the view: Cannot write"))
    << window.problems().last().toStdString();
}
