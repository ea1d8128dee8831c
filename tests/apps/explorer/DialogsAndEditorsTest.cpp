#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "apps/explorer/CsvImportDialog.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/HelpMenu.h"
#include "apps/explorer/PropertyEditors.h"
#include "apps/explorer/RangeFilterDialog.h"
#include "apps/explorer/SelectCasesDialog.h"
#include "apps/explorer/ValueFilterDialog.h"
#include "host/core/UndoStack.h"
#include "host/project/Project.h"
#include "property/PropertyInstantiations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using explorertest::writeFile;

namespace
{

QStringList columnNames(const QTableWidget& table)
{
  QStringList names;
  for (int row = 0; row < table.rowCount(); ++row)
    names << table.item(row, 0)->text();
  return names;
}

QStringList texts(const QListWidget& list)
{
  QStringList shown;
  for (int row = 0; row < list.count(); ++row)
    shown << list.item(row)->text();
  return shown;
}

class ExplorerDialogs : public ::testing::Test
{
protected:
  void SetUp() override { ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path()))); }

  VariablePtr variable(const char* name) const { return Project::project().variable(name); }

  QTemporaryDir dir;
  ExplorerWindow window{ ExplorerWindow::Mode::Batch };
  QWidget parent;
};

} // namespace

TEST_F(ExplorerDialogs, CsvImportChoosesColumnsAndNatures)
{
  const QDir folder(dir.path());
  for (const char* image : { "a.png", "b.png", "c.png" })
    writeFile(folder, image, "");
  const QString path = writeFile(folder,
    "runs.csv",
    "Run,Length,Width,Note,Image,Tags,Stress\n"
    "7,1.5,20,first,a.png,good;new,100\n"
    "8,2.5,30,second,b.png,bad,200\n"
    "9,3.5,40,third,c.png,,300\n");
  CsvImportDialog dialog(path, &parent);
  QTableWidget& columns = dialog.columnTable();
  EXPECT_EQ(columnNames(columns), (QStringList{ "Run", "Length", "Width", "Note", "Stress" }))
    << "the image and tags columns are found by name";
  CsvImportOptions options = dialog.options();
  EXPECT_EQ(options.caseIdColumn, "") << "no column is called Case ID: rows are numbered";
  EXPECT_EQ(options.imageColumn, "Image");
  EXPECT_EQ(options.natures.at("Stress"), Variable::Dependent);
  EXPECT_EQ(options.natures.at("Width"), Variable::Independent);

  dialog.setNature("Width", Variable::Dependent);
  dialog.setCaseIdColumn("Run");
  EXPECT_EQ(columnNames(columns), (QStringList{ "Length", "Width", "Note", "Stress" }));
  dialog.setNature("Note", Variable::Other);
  options = dialog.options();
  EXPECT_EQ(options.caseIdColumn, "Run");
  EXPECT_EQ(options.natures.at("Width"), Variable::Dependent) << "a choice survives the rebuild";
  EXPECT_EQ(options.natures.at("Note"), Variable::Other);

  ASSERT_TRUE(window.openProject([&] { return ProjectFiles::csv(path, options); }));
  const Project& project = Project::project();
  EXPECT_EQ(project.variables().size(), 5u);
  EXPECT_EQ(project.variable("Width").lock()->nature(), Variable::Dependent);
  EXPECT_EQ(project.variable("Note").lock()->nature(), Variable::Other);
  EXPECT_TRUE(project.record(8).lock());
  EXPECT_EQ(project.auxFiles().size(), 3u);
}

TEST_F(ExplorerDialogs, FilterDialogsCheckBoundsAndOfferEveryValue)
{
  RangeFilterDialog added(&parent);
  EXPECT_EQ(added.variable(), variable("Length")) << "the case ids are not offered";
  EXPECT_EQ(added.low(), 1.0) << "the range starts as the variable's";
  EXPECT_EQ(added.high(), 3.0);
  EXPECT_TRUE(added.problem().isEmpty());
  added.setBounds("5", "2");
  EXPECT_EQ(added.problem(), "The lowest value must not be above the highest.");
  for (const char* bad : { "x", "nan", "" })
  {
    added.setBounds(bad, "2");
    EXPECT_EQ(added.problem(), "Both bounds must be numbers.") << bad;
  }
  RangeFilterDialog edited(variable("Stress"), 70.0, 150.5, &parent);
  EXPECT_EQ(edited.variable(), variable("Stress"));
  EXPECT_EQ(edited.high(), 150.5);

  ValueFilterDialog material(
    variable("Material"), { { Variant("Steel"), true }, { Variant("Aluminium"), false } }, &parent);
  material.setChecked("Titanium, grade 5", true);
  const std::vector<ValueFilterDialog::MatcherValue> expected = {
    { Variant("Steel"), true },
    { Variant("Aluminium"), false },
    { Variant("Titanium, grade 5"), true },
  };
  EXPECT_EQ(material.values(), expected) << "values the filter lacks are offered unchecked";

  ValueFilterDialog stress(variable("Stress"), {}, &parent);
  EXPECT_EQ(texts(*stress.findChild<QListWidget*>()),
    (QStringList{ "60", "80.25", "95", "120.5", "210", "NaN" }))
    << "numbers in order, special values last";
}

TEST_F(ExplorerDialogs, EditorsFollowAndSetTheirProperties)
{
  QUndoStack& stack = UndoStack::qUndoStack();
  auto xVar = boost::make_shared<vantor::UndoablePropertyProxy<VariablePtr>>(
    "X Variable", boost::make_shared<vantor::Property<VariablePtr>>(variable("Width")));
  auto* combo = static_cast<QComboBox*>(PropertyEditors::makeEditor(xVar, &parent));
  EXPECT_EQ(combo->count(), 6);
  EXPECT_EQ(combo->currentText(), "Width");
  Q_EMIT combo->activated(combo->findText("Mass"));
  EXPECT_EQ(xVar->value(), variable("Mass"));
  EXPECT_EQ(stack.undoText(), "Change X Variable");
  stack.undo();
  EXPECT_EQ(combo->currentText(), "Width");
  auto* axis = static_cast<QComboBox*>(
    PropertyEditors::makeEditor(xVar, &parent, PropertyEditors::VariableChoice::Numeric));
  EXPECT_EQ(axis->findText("Material"), -1) << "text places no case on an axis";
  EXPECT_EQ(axis->count(), 5);
  xVar->setValue(variable("Material"));
  EXPECT_EQ(axis->currentText(), "Material") << "a text variable set anyway is shown";

  auto chosen = boost::make_shared<vantor::Property<std::vector<VariablePtr>>>(
    std::vector<VariablePtr>{ variable("Stress") });
  auto* list = static_cast<QListWidget*>(PropertyEditors::makeEditor(chosen, &parent));
  EXPECT_EQ(list->item(4)->checkState(), Qt::Checked);
  list->item(1)->setCheckState(Qt::Checked);
  EXPECT_EQ(chosen->value(), (std::vector<VariablePtr>{ variable("Length"), variable("Stress") }))
    << "kept in project order";
  chosen->setValue({});
  EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);

  EXPECT_EQ(PropertyEditors::exactText(0.1 + 0.2), "0.30000000000000004")
    << "shown as it is, so reading the text back changes nothing";
  EXPECT_EQ(PropertyEditors::exactText(0.1f), "0.1");
  auto scale = boost::make_shared<vantor::Property<double>>(1.0);
  auto* edit = static_cast<QLineEdit*>(PropertyEditors::makeEditor(scale, &parent));
  edit->setText("1e-3");
  Q_EMIT edit->editingFinished();
  EXPECT_EQ(scale->value(), 0.001);
  EXPECT_EQ(edit->text(), "0.001");
  edit->setText("nan");
  Q_EMIT edit->editingFinished();
  EXPECT_TRUE(std::isnan(scale->value()));
}

TEST_F(ExplorerDialogs, RefusedInputKeepsTheDialogsOpenAndRangeBoundsKeepTheExactEnds)
{
  SelectCasesDialog select(&parent);
  select.show();
  select.setText("3, 5-x");
  select.accept();
  EXPECT_TRUE(select.isVisible());
  EXPECT_EQ(select.text(), "3, 5-x");
  EXPECT_EQ(select.problem(), "\"5-x\" is not a case id or a range of ids like 10-20.");
  select.setText("3,5-6");
  select.accept();
  EXPECT_FALSE(select.isVisible());
  EXPECT_EQ(select.ids(), (std::set<uint64_t>{ 3, 5, 6 }));

  const QString path = writeFile(QDir(dir.path()),
    "late.csv",
    "Run summary\nRun,Length,Image\n1,2,gone.png\n2,3,gone.png\n2,4,\n");
  CsvImportDialog import(path, &parent);
  import.show();
  EXPECT_FALSE(import.problem().isEmpty()) << "the title line is no header";
  import.setSkipLines(1);
  EXPECT_TRUE(import.problem().isEmpty()) << import.problem().toStdString();
  EXPECT_EQ(columnNames(import.columnTable()), (QStringList{ "Run", "Length" }))
    << "the image column is found by its name";
  import.setCaseIdColumn("Run");
  import.accept();
  EXPECT_TRUE(import.isVisible());
  EXPECT_EQ(import.problem(), "late.csv, line 5: case 2 appears a second time.");
  EXPECT_EQ(import.options().skipLines, 1) << "the choices stay";
  EXPECT_EQ(import.options().caseIdColumn, "Run");

  import.setImageColumn("");
  EXPECT_EQ(columnNames(import.columnTable()), (QStringList{ "Length", "Image" }))
    << "(none): the image column is a variable";
  EXPECT_FALSE(import.options().withImages);
  import.setCaseIdColumn("");
  import.accept();
  EXPECT_FALSE(import.isVisible());
  ASSERT_TRUE(window.openProject([&] { return import.takeProject(); }));
  EXPECT_EQ(Project::project().recordCount(), 3);
  EXPECT_TRUE(Project::project().auxFiles().empty());

  // Range bounds show the hint's precision and keep the exact ends.
  ASSERT_TRUE(window.openFile(
    writeFile(QDir(dir.path()), "fine.csv", "Gap,Load\n0.123456789,1\n2.71828182845,2\n")));
  RangeFilterDialog dialog(&parent);
  EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(), "0.123457");
  EXPECT_EQ(dialog.low(), 0.123456789) << "an untouched bound is the exact lowest value";
  EXPECT_EQ(dialog.high(), 2.71828182845);
  dialog.setBounds("0.123457", " 1e999");
  EXPECT_EQ(dialog.problem(), "The number \"1e999\" is out of range.");
  dialog.setBounds("1e-400", "1");
  EXPECT_EQ(dialog.problem(), "The number \"1e-400\" is out of range.");
  dialog.setBounds("-inf", "INF");
  EXPECT_TRUE(dialog.problem().isEmpty()) << "the infinities are numbers";
  EXPECT_EQ(dialog.high(), std::numeric_limits<double>::infinity());
  dialog.setBounds("0.2", "2.7");
  EXPECT_EQ(dialog.low(), 0.2);
  EXPECT_EQ(dialog.high(), 2.7) << "a typed bound is what was typed";

  const auto shortcuts = HelpMenu::shortcuts(*window.menuBar());
  QStringList listed;
  for (const auto& shortcut : shortcuts)
    listed << shortcut.action + " = " + shortcut.keys;
  EXPECT_TRUE(listed.contains("Edit > Copy Selected Rows = Ctrl+C"))
    << listed.join('\n').toStdString();
  EXPECT_TRUE(listed.contains("File > Export > Current View = Ctrl+E"));
  EXPECT_TRUE(listed.contains("View > Add Table = Ctrl+T"));
  EXPECT_TRUE(HelpMenu::aboutText().contains(QStringLiteral("Qt ") + qVersion()));
}
