#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "apps/explorer/CommandLine.h"
#include "apps/explorer/ExplorerStartup.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/FilterPanel.h"
#include "apps/explorer/PropertyPanel.h"
#include "apps/explorer/ViewArea.h"
#include "apps/explorer/ViewKinds.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/FilterSettingsConversion.h"
#include "host/pipeline/RangeFilter.h"
#include "host/pipeline/ValueFilter.h"
#include "host/project/Project.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/support/ItemModels.h"
#include "tests/support/ProjectEdits.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

using explorertest::writeFile;

namespace
{

class ExplorerWindowTest : public ::testing::Test
{
protected:
  void SetUp() override { ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path()))); }

  QStringList kinds() const
  {
    QStringList names;
    for (const auto& view : window.manager()->dataViews())
      names << ViewKinds::nameOf(*view);
    return names;
  }

  boost::shared_ptr<TableViewInterface> table(std::size_t index) const
  {
    return boost::dynamic_pointer_cast<TableViewInterface>(window.manager()->dataViews().at(index));
  }

  QHeaderView& header(std::size_t index) const
  {
    auto* container = window.containerOf(window.manager()->dataViews().at(index));
    return *container->findChild<QTableView*>()->horizontalHeader();
  }

  static int logicalIndexOf(const QHeaderView& shown, const QString& name)
  {
    return testsupport::columnNamed(*shown.model(), name);
  }

  QStringList columnOrder(std::size_t index) const
  {
    const QHeaderView& shown = header(index);
    QStringList names;
    for (int visual = 0; visual < shown.count(); ++visual)
      names << shown.model()->headerData(shown.logicalIndex(visual), Qt::Horizontal).toString();
    return names;
  }

  QTemporaryDir dir;
  ExplorerWindow window{ ExplorerWindow::Mode::Batch };
};

} // namespace

TEST_F(ExplorerWindowTest, SavedProjectReopensWithTheSameViewsSettingsAndFilters)
{
  ASSERT_TRUE(window.addView("table"));
  ASSERT_TRUE(window.addView("table"));
  header(0).moveSection(2, 0);
  header(1).moveSection(1, 4);
  header(1).setSortIndicator(logicalIndexOf(header(1), "Length"), Qt::AscendingOrder);
  header(2).setSortIndicator(logicalIndexOf(header(2), "Width"), Qt::DescendingOrder);
  table(2)->useFilters()->setValue(true);
  window.pipeline().addFilter(
    boost::make_shared<RangeFilter>(Project::project().variable("Stress"), 70.0, 150.0));
  const QStringList movedOrder = columnOrder(1);
  const QStringList casesOrder = columnOrder(0);
  const auto filters = filterSettings(window.pipeline());
  const QString path = QDir(dir.path()).filePath("beams.xml");
  ASSERT_TRUE(window.saveProject(path));
  EXPECT_EQ(window.documentPath(), path);

  ASSERT_TRUE(window.openFile(path));
  EXPECT_EQ(kinds(), (QStringList{ "selected-cases", "table", "table" }));
  EXPECT_EQ(window.viewArea().count(), 2) << "the selected cases stay in their panel";
  EXPECT_EQ(columnOrder(1), movedOrder);
  EXPECT_EQ(header(1).sortIndicatorSection(), logicalIndexOf(header(1), "Length"));
  EXPECT_EQ(header(1).model()->index(0, 0).data().toString(), "14") << "the rows sorted";
  EXPECT_EQ(header(2).sortIndicatorSection(), logicalIndexOf(header(2), "Width"));
  EXPECT_EQ(header(2).sortIndicatorOrder(), Qt::DescendingOrder);
  EXPECT_EQ(header(2).model()->index(0, 0).data().toString(), "12") << "of the filtered cases";
  EXPECT_EQ(columnOrder(0), casesOrder) << "the selected-cases view reused, in its saved order";
  EXPECT_NE(columnOrder(2), movedOrder);
  EXPECT_FALSE(table(1)->useFilters()->value());
  EXPECT_TRUE(table(2)->useFilters()->value());
  EXPECT_EQ(filterSettings(window.pipeline()), filters);
  EXPECT_EQ(UndoStack::qUndoStack().count(), 0) << "opening is not an undo step";
  EXPECT_TRUE(window.problems().isEmpty()) << window.problems().join('\n').toStdString();
}

TEST_F(ExplorerWindowTest, BrokenViewsDocumentsAreReportedAndEarlierViewsStay)
{
  const QDir folder(dir.path());
  const QString corrupted = writeFile(folder,
    "corrupted.xml",
    "<Views><TableView><UseFilters>1</UseFilters></TableView>"
    "<Unknown/>"
    "<TableView><UseFilters>maybe</UseFilters><ColumnOrder>Case ID</ColumnOrder></TableView>"
    "<TableView/></Views>");
  EXPECT_FALSE(window.loadViews(corrupted));
  ASSERT_EQ(window.problems().size(), 2);
  EXPECT_EQ(window.problems()[0].toStdString(),
    "A view was not restored: View 2 of 4 (\"Unknown\") was skipped: there is no kind of view of "
    "that name");
  EXPECT_TRUE(window.problems()[1].contains(
    "View 3 of 4 (\"TableView\"), setting UseFilters = \"maybe\": the text there is not a value"))
    << window.problems()[1].toStdString();
  EXPECT_EQ(kinds(), (QStringList{ "selected-cases", "table", "table" }))
    << "the view before the failure and the failing one stay; the one after is not made";
  EXPECT_TRUE(table(1)->useFilters()->value());

  EXPECT_FALSE(window.loadViews(writeFile(folder, "cut.xml", "<Views><TableView>")));
  EXPECT_TRUE(window.problems().last().contains("cut.xml, line 1, column "))
    << window.problems().last().toStdString();
  EXPECT_FALSE(window.loadViews(writeFile(folder, "other.xml", "<Project/>")));
  EXPECT_TRUE(window.problems().last().contains("other.xml holds no views"));
  EXPECT_FALSE(window.loadViews(writeFile(folder,
    "escape.xml",
    "<Views><TableView><ColumnOrder>Case ID,\\</ColumnOrder></TableView></Views>")));
  EXPECT_TRUE(window.problems().last().contains(
    "View 1 of 1 (\"TableView\"), setting ColumnOrder = \"Case ID,\\\": the list cannot be split"))
    << window.problems().last().toStdString();
  EXPECT_FALSE(window.loadViews(VANTOR_TEST_DATA "/fuzz/views/deep-nesting.xml"));
  EXPECT_TRUE(window.problems().last().endsWith(
    "deep-nesting.xml, line 2, column 783: the file is refused: elements are nested deeper than "
    "256 levels."))
    << window.problems().last().toStdString();
  EXPECT_FALSE(window.loadViews(folder.filePath("missing.xml")));
  EXPECT_TRUE(window.problems().last().contains("there is no such file"));
  EXPECT_EQ(kinds().size(), 4) << "the table whose column order failed stays";
}

TEST_F(ExplorerWindowTest, RestoredViewsOpenOnTheLastWithoutVisitingEachTab)
{
  const QString table = QStringLiteral("<TableView><UseFilters>0</UseFilters></TableView>");
  const QString path =
    writeFile(QDir(dir.path()), "three.xml", "<Views>" + table + table + table + "</Views>");
  QSignalSpy switched(&window.viewArea(), &ViewArea::currentViewChanged);
  ASSERT_TRUE(window.loadViews(path)) << window.problems().join('\n').toStdString();
  ASSERT_EQ(window.viewArea().count(), 3);
  EXPECT_EQ(window.viewArea().currentView(), window.manager()->dataViews().back());
  EXPECT_EQ(switched.count(), 2) << "the first tab as it comes, then the last";
}

// Inputs the fuzzers found (or that stand for what they look for): each is restored or
// reported, never anything else.
TEST_F(ExplorerWindowTest, FuzzFindingsInViewsDocumentsAreRestoredOrReported)
{
  const QDir folder(QStringLiteral(VANTOR_TEST_DATA "/fuzz/views"));
  for (const QString& name : folder.entryList(QDir::Files))
  {
    const int reported = window.problems().size();
    const bool restored = window.loadViews(folder.filePath(name));
    EXPECT_EQ(window.problems().size() > reported, !restored) << name.toStdString();
  }
}

TEST_F(ExplorerWindowTest, ProjectsThatCannotBeOpenedLeaveTheOpenOneInPlace)
{
  ASSERT_TRUE(window.addView("table"));
  const QDir folder(dir.path());
  EXPECT_FALSE(window.openFile(writeFile(folder, "ragged.csv", "a,b\n1,2\n3\n")));
  EXPECT_TRUE(window.problems().last().contains("line 3"))
    << window.problems().last().toStdString();
  EXPECT_FALSE(window.openFile(writeFile(folder, "bad.xml", "<Project><Variables>")));
  EXPECT_EQ(Project::project().recordCount(), 6);
  EXPECT_EQ(window.viewArea().count(), 1);
}

TEST_F(ExplorerWindowTest, ViewsComeAndGoWithUndoAndThePanelsFollow)
{
  QUndoStack& stack = UndoStack::qUndoStack();
  const auto first = window.addView("table");
  const auto second = window.addView("table");
  EXPECT_EQ(window.viewArea().tabText(1), "Table View 2");
  QWidget* secondContainer = window.containerOf(second);
  EXPECT_EQ(window.viewArea().currentView(), second);
  EXPECT_EQ(window.propertyPanel().rowCount(), 1) << "Use Filters";

  window.propertyPanel().findChild<QCheckBox*>()->click();
  EXPECT_TRUE(table(2)->useFilters()->value());
  EXPECT_EQ(stack.undoText(), "Change Use Filters");

  window.removeCurrentView();
  EXPECT_EQ(window.viewArea().count(), 1);
  EXPECT_EQ(window.viewArea().currentView(), first);
  stack.undo();
  EXPECT_EQ(window.viewArea().count(), 2);
  EXPECT_EQ(window.containerOf(second), secondContainer) << "the same widget comes back";
  stack.undo();
  EXPECT_FALSE(table(2)->useFilters()->value());

  window.select({ 12, 14, 99 });
  EXPECT_EQ(window.selection().getSelections(), (std::set<uint64_t>{ 12, 14 }));
  EXPECT_TRUE(window.problems().last().contains("The project has no case with the id 99."));
}

TEST_F(ExplorerWindowTest, ReopeningDropsTheOldViewsAndTheirUndoSteps)
{
  // Holding no view here: a view kept alive past its manager outlives its widget.
  QPointer<QWidget> container = window.containerOf(window.addView("table"));
  window.select({ 12 });
  ASSERT_GT(UndoStack::qUndoStack().count(), 0);

  ASSERT_TRUE(window.openFile(writeFile(dir.path(), "other.csv", "a,b\n1,2\n3,4\n")));
  EXPECT_FALSE(container) << "the old manager deleted its container";
  EXPECT_EQ(UndoStack::qUndoStack().count(), 0);
  EXPECT_EQ(window.viewArea().count(), 0);
  EXPECT_TRUE(window.selection().getSelections().empty());
  EXPECT_EQ(kinds(), (QStringList{ "selected-cases" })) << "a new one in the same panel";
  EXPECT_EQ(
    window.propertyPanel().findChild<QLabel*>()->text(), "Open a view to see its settings.");

  window.select({ 2 });
  const auto* shown =
    window.containerOf(window.manager()->dataViews().front())->findChild<QTableView*>();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->model()->rowCount(), 1);
  EXPECT_FALSE(window.saveProject(QDir(dir.path()).filePath("no/such/folder/p.xml")));
  EXPECT_TRUE(window.problems().last().startsWith("Cannot save the project: "));
}

TEST_F(ExplorerWindowTest, CommandLineOptionsSetUpTheWindow)
{
  const QString views = writeFile(
    dir.path(), "views.xml", "<Views><TableView><UseFilters>1</UseFilters></TableView></Views>");
  const QString csv = QDir(dir.path()).filePath("beams.csv");
  ASSERT_TRUE(ExplorerStartup::apply(window,
    CommandLine::parse(QStringLiteral("explorer --project %1 --views %2 --add table --select 13-14 "
                                      "--size 900x700")
                         .arg(csv, views)
                         .split(' '))));
  EXPECT_EQ(kinds(), (QStringList{ "selected-cases", "table", "table" }))
    << "no default table besides those asked for";
  EXPECT_TRUE(table(1)->useFilters()->value());
  EXPECT_EQ(window.selection().getSelections(), (std::set<uint64_t>{ 13, 14 }));
  EXPECT_EQ(window.size(), QSize(900, 700));
  EXPECT_EQ(UndoStack::qUndoStack().count(), 0);

  ASSERT_TRUE(ExplorerStartup::apply(window, CommandLine::parse({ "explorer", "--project", csv })));
  EXPECT_EQ(kinds(), (QStringList{ "selected-cases", "table" }))
    << "a table when none was asked for";
  EXPECT_FALSE(ExplorerStartup::apply(window,
    CommandLine::parse({ "explorer", "--project", QDir(dir.path()).filePath("none.csv") })));
}

TEST_F(ExplorerWindowTest, FilterPanelDescribesValueFiltersAndFiltersOfErasedVariables)
{
  window.pipeline().addFilter(
    boost::make_shared<ValueFilter>(Project::project().variable("Material"),
      std::vector<ValueFilter::MatcherValue>{ { Variant("Steel"), true },
        { Variant("Aluminium"), false },
        { Variant("Titanium, grade 5"), true } }));
  window.pipeline().addFilter(
    boost::make_shared<RangeFilter>(Project::project().variable("Mass"), 1.5, 7.0));
  FilterPanel& panel = window.filterPanel();
  panel.refresh();
  QTreeWidget& list = panel.list();
  ASSERT_EQ(list.topLevelItemCount(), 2);
  EXPECT_EQ(list.topLevelItem(0)->text(1), "Values");
  EXPECT_EQ(list.topLevelItem(0)->text(2), "2 of 3: Steel, Titanium, grade 5");

  testsupport::eraseVariables({ "Mass" });
  panel.refresh();
  EXPECT_EQ(list.topLevelItem(1)->text(0), "(removed variable)");
  list.setCurrentItem(list.topLevelItem(1));
  panel.removeCurrentFilter();
  EXPECT_EQ(window.pipeline().allFilters().size(), 1u);
}
