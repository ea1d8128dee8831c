#include "tests/analyzer/dataviews/table/TableFixture.h"

#include "analyzer/dataviews/table/ColumnOrder.h"
#include "analyzer/dataviews/table/TableHeaderView.h"
#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableView.h"
#include "analyzer/dataviews/table/TableViewModel.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Record.h"
#include "host/project/Variable.h"
#include "host/serialization/SerializerInterface.h"
#include "tests/support/ErrorText.h"
#include "tests/support/QtMessageGuard.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDomDocument>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>
#include <boost/lexical_cast.hpp>
#include <cmath>

using testsupport::valueOf;

namespace
{

struct TableViewTest : TableFixture
{
  boost::shared_ptr<TableView> view;
  QAbstractItemModel* model = nullptr;
  std::unique_ptr<QAbstractItemModelTester> tester;

  void SetUp() override
  {
    TableFixture::SetUp();
    view = boost::make_shared<TableView>(pipeline, selection, parent);
    model = view->tableView().model();
    tester = std::make_unique<QAbstractItemModelTester>(
      model, QAbstractItemModelTester::FailureReportingMode::Warning);
  }

  QModelIndex cell(uint64_t caseId, const char* column)
  {
    return model->index(rowOfCase(*model, caseId), columnNamed(*model, column));
  }
};

} // namespace

TEST_F(TableViewTest, ShowsVisibleColumnsAndCellTextsByValueType)
{
  QStringList headers;
  for (int column = 0; column < model->columnCount(); ++column)
    headers << model->headerData(column, Qt::Horizontal).toString();
  EXPECT_EQ(headers, QStringList({ "Case ID", "x", "n", "label", "fixed", "!!" }));
  EXPECT_EQ(model->rowCount(), 11);

  EXPECT_EQ(cell(3, "x").data().toString(), "3");
  EXPECT_EQ(cell(7, "x").data().toString(), "NaN");
  EXPECT_EQ(cell(8, "x").data().toString(), "NULL");
  EXPECT_EQ(cell(8, "x").data(Qt::EditRole).toString(), "NULL");
  EXPECT_EQ(cell(4, "n").data().toInt(), 8);
  EXPECT_EQ(cell(4, "label").data().toString(), "case 4");
  EXPECT_EQ(cell(4, "x").data(CaseIdRole).toULongLong(), 4u);
  EXPECT_EQ(cell(4, "x").data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

  const int fixed = columnNamed(*model, "fixed");
  EXPECT_FALSE(model->flags(cell(2, "fixed")).testFlag(Qt::ItemIsEditable));
  EXPECT_TRUE(model->flags(cell(2, "x")).testFlag(Qt::ItemIsEditable));
  EXPECT_FALSE(model->flags(cell(2, "Case ID")).testFlag(Qt::ItemIsEditable));
  EXPECT_TRUE(model->headerData(fixed, Qt::Horizontal, Qt::DecorationRole).isValid());
  EXPECT_FALSE(model->headerData(1, Qt::Horizontal, Qt::DecorationRole).isValid());
}

TEST_F(TableViewTest, AnEditIsOneUndoStepInTheProject)
{
  ASSERT_TRUE(model->setData(cell(3, "x"), "4.25"));
  EXPECT_EQ(valueOf(3, "x").doubleValue(), 4.25);
  EXPECT_EQ(cell(3, "x").data().toString(), "4.25");
  ASSERT_EQ(stack().count(), 1);
  EXPECT_EQ(stack().undoText(), "Edit cell value");
  stack().undo();
  EXPECT_EQ(valueOf(3, "x").doubleValue(), 3.0);
  EXPECT_EQ(cell(3, "x").data().toString(), "3");

  ASSERT_TRUE(model->setData(cell(3, "label"), "renamed"));
  EXPECT_EQ(valueOf(3, "label").toString(), "renamed");
}

TEST_F(TableViewTest, TheDelegateTellsTheUserAboutANonNumber)
{
  QTableView& table = view->tableView();
  const QModelIndex index = cell(3, "x");
  QLineEdit editor;
  editor.setText("12e");
  // Without a window manager, X refuses to focus the message box; that is Xvfb's business.
  testsupport::ExpectedMessage focus("XCB error");
  QString shown;
  QTimer::singleShot(0,
    [&shown]
    {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box)
        return;
      shown = box->windowTitle() + "|" + box->text();
      box->accept();
    });
  table.itemDelegate()->setModelData(&editor, model, index);
  EXPECT_EQ(shown,
    "Invalid value|The data you entered could not be converted to a numeric value.\n"
    "'12e' is not a number.");
  EXPECT_EQ(valueOf(3, "x").doubleValue(), 3.0);
}

TEST_F(TableViewTest, TypedNumbersFollowTheSharedNumberRuleAndRefusedOrEmptyOnesWriteNothing)
{
  const auto refusal = [this](const QModelIndex& index, const char* text)
  { return testsupport::errorOf<boost::bad_lexical_cast>([&] { model->setData(index, text); }); };
  for (const char* text : { "1e", "2+", "abc", "3-" })
    EXPECT_FALSE(refusal(cell(3, "x"), text).empty()) << text;
  EXPECT_EQ(refusal(cell(5, "x"), "1e999"), "'1e999' is out of range.");
  EXPECT_EQ(refusal(cell(5, "x"), "abc"), "'abc' is not a number.");
  EXPECT_EQ(refusal(cell(5, "n"), "8.5"), "'8.5' is not a whole number.");
  EXPECT_FALSE(model->setData(cell(3, "x"), ""));
  EXPECT_TRUE(model->setData(cell(7, "x"), "nan")) << "NaN over NaN reports success";
  EXPECT_TRUE(model->setData(cell(8, "x"), "NULL"));
  EXPECT_EQ(stack().count(), 0);
  EXPECT_EQ(valueOf(3, "x").doubleValue(), 3.0);
  EXPECT_EQ(valueOf(5, "x").doubleValue(), 5.0);
  EXPECT_EQ(valueOf(5, "n").longValue(), 10);

  ASSERT_TRUE(model->setData(cell(3, "x"), " nan "));
  EXPECT_TRUE(valueOf(3, "x").isNaN());
  ASSERT_TRUE(model->setData(cell(3, "x"), "inf"));
  EXPECT_EQ(valueOf(3, "x").doubleValue(), HUGE_VAL);
  ASSERT_TRUE(model->setData(cell(4, "x"), "-Inf"));
  EXPECT_EQ(valueOf(4, "x").doubleValue(), -HUGE_VAL);
  ASSERT_TRUE(model->setData(cell(4, "n"), "12"));
  EXPECT_EQ(valueOf(4, "n").longValue(), 12);
  EXPECT_EQ(stack().count(), 4);
}

TEST_F(TableViewTest, UseFiltersSwitchesBetweenOutputs)
{
  auto filter = boost::make_shared<RangeFilter>(Project::project().variable("x"), 2.0, 5.0);
  pipeline->addFilter(filter);
  EXPECT_EQ(model->rowCount(), 11) << "the unfiltered table ignores filters";

  view->useFilters()->setValue(true);
  EXPECT_EQ(model->rowCount(), 4);
  EXPECT_EQ(stack().undoText(), "Change Use Filters");
  filter->setRange(2.0, 6.0);
  EXPECT_EQ(model->rowCount(), 5) << "the filtered signal refreshes the table";

  view->useFilters()->setValue(false);
  EXPECT_EQ(model->rowCount(), 11);
  filter->setRange(3.0, 6.0);
  EXPECT_EQ(model->rowCount(), 11);
  stack().undo();
  stack().undo();
  EXPECT_TRUE(view->useFilters()->value());
}

TEST_F(TableViewTest, ColumnOrderSurvivesSaveAndRestore)
{
  view->tableView().horizontalHeader()->moveSection(3, 1);
  view->useFilters()->setValue(true);
  QDomDocument document;
  QDomElement saved = view->serializer().serialize(document);
  EXPECT_EQ(saved.tagName(), "TableView");
  EXPECT_EQ(saved.firstChildElement("UseFilters").text(), "1");
  EXPECT_EQ(saved.firstChildElement("ColumnOrder").text(), "Case ID,label,x,n,fixed,!!");

  QWidget otherParent;
  auto restored = boost::make_shared<TableView>(pipeline, selection, otherParent);
  restored->serializer().deserialize(saved);
  EXPECT_TRUE(restored->useFilters()->value());
  QHeaderView* header = restored->tableView().horizontalHeader();
  EXPECT_EQ(header->logicalIndex(1), 3);
  EXPECT_EQ(header->logicalIndex(2), 1);
}

TEST_F(TableViewTest, ASavedColumnOrderSkipsNamesThatAreGone)
{
  QHeaderView& header = *view->tableView().horizontalHeader();
  setColumnOrder(header, { "gone", "label", "Case ID", "also gone", "x" });
  const std::vector<std::string> expected{ "label", "Case ID", "x", "n", "fixed", "!!" };
  EXPECT_EQ(columnOrder(header), expected);

  // Applied again over a header the user has rearranged since.
  header.moveSection(5, 0);
  header.moveSection(4, 2);
  setColumnOrder(header, { "!!", "fixed", "x" });
  const std::vector<std::string> reordered{ "!!", "fixed", "x", "label", "n", "Case ID" };
  EXPECT_EQ(columnOrder(header), reordered);
}

namespace
{
struct MenuHeader : TableHeaderView
{
  using TableHeaderView::populateContextMenu;
};
} // namespace

TEST_F(TableViewTest, HeaderMenuDeletesAVariableInOneStep)
{
  MenuHeader header;
  QMenu caseIdMenu;
  header.populateContextMenu(caseIdMenu, "Case ID");
  ASSERT_EQ(caseIdMenu.actions().size(), 1);
  EXPECT_EQ(caseIdMenu.actions()[0]->text(), "Delete Variable");
  EXPECT_FALSE(caseIdMenu.actions()[0]->isEnabled());

  QMenu menu;
  header.populateContextMenu(menu, "label");
  menu.actions()[0]->trigger();
  EXPECT_TRUE(Project::project().variable("label").lock() == nullptr);
  EXPECT_EQ(columnNamed(*model, "label"), -1);
  ASSERT_EQ(stack().count(), 1);
  EXPECT_EQ(stack().undoText(), "Delete label Variable");
  stack().undo();
  EXPECT_EQ(columnNamed(*model, "label"), 3);
  EXPECT_EQ(cell(4, "label").data().toString(), "case 4");
}

TEST_F(TableViewTest, FirstShownColumnsFitTheirHeadersWithinBounds)
{
  const QString longName = QStringLiteral("a variable whose name needs room");
  ProjectContents contents;
  contents.addVariable(longName.toStdString(), Variable::Independent, ValueType::Real);
  contents.addVariable("notes", Variable::Other, ValueType::Text);
  contents.addVariable("y", Variable::Dependent, ValueType::Real);
  for (uint64_t id = 1; id <= 3; ++id)
    contents.addRecord(id, { double(id), std::string(400, 'w'), 1.0 });
  Project::project().assign(std::move(contents));

  parent.resize(1200, 400);
  parent.show();
  QApplication::processEvents();
  const QHeaderView& header = *view->tableView().horizontalHeader();
  const int named = columnNamed(*model, longName);
  ASSERT_GE(named, 0);
  EXPECT_GT(header.sectionSize(named), header.fontMetrics().horizontalAdvance(longName));
  const int notes = header.sectionSize(columnNamed(*model, "notes"));
  EXPECT_GT(notes, header.defaultSectionSize()) << "widened for its cells";
  EXPECT_LE(notes, 320) << "but not past a sane width";
  EXPECT_EQ(header.sectionSize(columnNamed(*model, "y")), header.defaultSectionSize())
    << "short columns are not narrowed";
}
