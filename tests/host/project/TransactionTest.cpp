#include "host/core/UndoStack.h"
#include "host/project/ProjectError.h"
#include "tests/host/project/StudyProject.h"
#include "tests/support/ProjectEdits.h"

#include <QUndoStack>
#include <gtest/gtest.h>

using testsupport::setValue;

namespace
{

class TransactionTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadStudyProject();
    UndoStack::clear();
    m_changed = Project::project().signalProjectChanged.connect(
      [this](const TransactionRecord& record) { m_records.push_back(record); });
    m_removed = Project::project().signalVariablesRemoved.connect(
      [this](const TransactionRecord& record) { m_removedNotices.push_back(record); });
  }

  static QUndoStack& stack() { return UndoStack::qUndoStack(); }

  std::vector<TransactionRecord> m_records;
  std::vector<TransactionRecord> m_removedNotices;
  boost::signals2::scoped_connection m_changed;
  boost::signals2::scoped_connection m_removed;
};

} // namespace

TEST_F(TransactionTest, CellEditIsOneUndoStepThatUndoesAndRedoesExactly)
{
  setValue(3, "Mass", 7.5);
  setValue(3, "Count", Variant::null());
  setValue(2, "Material", "oak");
  ASSERT_EQ(stack().count(), 3);
  EXPECT_EQ(stack().text(0), "Edit cell value");
  EXPECT_EQ(studyValue(3, "Mass"), Variant(7.5));
  EXPECT_TRUE(studyValue(3, "Count").isNull());
  ASSERT_EQ(m_records.size(), 3u);
  EXPECT_EQ(m_records[0].changedValues.front().caseId, 3u);
  EXPECT_EQ(m_records[0].changedValues.front().variableId, studyVariable("Mass")->id());
  EXPECT_EQ(studyVariable("Mass")->range(), std::make_pair(5.0, 9.0));

  stack().undo();
  stack().undo();
  stack().undo();
  EXPECT_EQ(studyValue(3, "Mass"), Variant(7.0));
  EXPECT_EQ(studyValue(3, "Count"), Variant(5));
  EXPECT_EQ(studyValue(2, "Material"), Variant("wood"));
  EXPECT_EQ(m_records.size(), 6u);

  stack().redo();
  EXPECT_EQ(studyValue(3, "Mass"), Variant(7.5));
  EXPECT_EQ(stack().count(), 3);
}

TEST_F(TransactionTest, ValuesAreStoredInTheVariablesKindWithSpecialValuesKept)
{
  setValue(1, "Count", 2.6);
  EXPECT_EQ(studyValue(1, "Count"), Variant(3));
  setValue(1, "Count", Variant::nan());
  EXPECT_TRUE(studyValue(1, "Count").isNaN());
  setValue(1, "Length", Variant::null());
  EXPECT_TRUE(studyValue(1, "Length").isNull());
  EXPECT_TRUE(studyVariable("Length")->hasVariantOrdering());
  EXPECT_FALSE(studyVariable("Material")->hasVariantOrdering());
  EXPECT_EQ(studyVariable("Length")->range(), std::make_pair(2.0, 5.0));

  const auto before = stack().count();
  EXPECT_THROW(setValue(1, "Length", "long"), ProjectError);
  EXPECT_THROW(setValue(1, Variable::caseIdName, 9), ProjectError);
  EXPECT_EQ(stack().count(), before);
  EXPECT_TRUE(studyValue(1, "Length").isNull());
}

TEST_F(TransactionTest, EditsNeedLockedObjectsAndErasureNeedsPermission)
{
  Transaction transaction = Project::project().startTransaction();
  auto record = Project::project().record(1).lock();
  auto variable = Project::project().variable("Mass").lock(transaction);
  EXPECT_THROW(
    boost::const_pointer_cast<Record>(record)->setData(transaction, *variable, 1.0), ProjectError);
  EXPECT_THROW(variable->erase(transaction), ProjectError);
  EXPECT_THROW(Project::project().startTransaction(), ProjectError);
  transaction.allowErasure();
  variable->erase(transaction);
  transaction.rollback();
  EXPECT_TRUE(studyVariable("Mass"));
  EXPECT_EQ(stack().count(), 0);
  EXPECT_TRUE(m_records.empty());
}

TEST_F(TransactionTest, TransactionLeftByAnExceptionRollsBack)
{
  try
  {
    Transaction transaction = Project::project().startTransaction();
    auto record = Project::project().record(4).lock(transaction);
    record->setData(transaction, *studyVariable("Mass"), 100.0);
    throw std::runtime_error("import failed");
  }
  catch (const std::runtime_error&)
  {
  }
  EXPECT_EQ(studyValue(4, "Mass"), Variant(8.0));
  EXPECT_EQ(stack().count(), 0);
  EXPECT_NO_THROW(Project::project().startTransaction().commit());
}

TEST_F(TransactionTest, VariableErasureTellsListenersAndUndoPutsItBackInPlace)
{
  const WeakPtr<Variable> handle = Project::project().variable("Width");
  {
    UndoStack::Macro macro("Delete Width Variable");
    Transaction transaction = Project::project().startTransaction();
    transaction.allowErasure();
    handle.lock(transaction)->erase(transaction);
  }
  EXPECT_FALSE(handle.lock());
  EXPECT_FALSE(Project::project().variable("Width").lock());
  ASSERT_EQ(m_removedNotices.size(), 1u);
  EXPECT_EQ(m_removedNotices[0].removedVariables, std::vector<uint64_t>{ handle.id() });

  // Rows change while the variable is out; undo order brings it back consistent.
  setValue(5, "Length", 55.0);
  stack().undo();
  stack().undo();
  ASSERT_TRUE(handle.lock());
  EXPECT_EQ(Project::project().variables()[2], handle);
  EXPECT_EQ(studyValue(3, "Width"), Variant(30.0));
  EXPECT_TRUE(studyValue(4, "Width").isNull());
  EXPECT_EQ(m_records.back().addedVariables, std::vector<uint64_t>{ handle.id() });
  EXPECT_EQ(m_removedNotices.size(), 1u);
}

TEST_F(TransactionTest, RecordErasureTakesItsFilesAndUndoRestoresRowsAndValues)
{
  const WeakPtr<Record> second = Project::project().record(2);
  const WeakPtr<AuxFile> file = second.lock()->auxFiles().front();
  testsupport::eraseCases({ 4, 2, 77 });
  EXPECT_EQ(Project::project().recordCount(), 3);
  EXPECT_FALSE(second.lock());
  EXPECT_FALSE(file.lock());
  EXPECT_EQ(Project::project().auxFiles().size(), 1u);
  EXPECT_EQ(Project::project().record(5).lock()->row(), 2);
  EXPECT_EQ(studyValue(5, "Mass"), Variant(9.0));
  EXPECT_EQ(m_records.back().erasedRecords, (std::vector<uint64_t>{ 2, 4 }));
  EXPECT_EQ(m_records.back().erasedAuxFiles.size(), 2u);

  stack().undo();
  EXPECT_EQ(Project::project().recordCount(), 5);
  EXPECT_EQ(second.lock()->row(), 1);
  EXPECT_EQ(Project::project().record(4).lock()->row(), 3);
  EXPECT_TRUE(studyValue(4, "Width").isNull());
  EXPECT_EQ(file.lock()->filePath(), "/images/two.png");
  EXPECT_EQ(m_records.back().addedRecords, (std::vector<uint64_t>{ 2, 4 }));

  stack().redo();
  EXPECT_EQ(Project::project().recordCount(), 3);
  EXPECT_FALSE(file.lock());
}

TEST_F(TransactionTest, AddedRecordsVariablesAndFilesComeAndGoWithUndo)
{
  WeakPtr<Variable> added;
  WeakPtr<AuxFile> picture;
  {
    Transaction transaction = Project::project().startTransaction();
    added =
      Project::project().addVariable(transaction, "Cost", Variable::Dependent, ValueType::Integer);
    auto record = Project::project().addRecord(transaction, 9).lock(transaction);
    record->setData(transaction, *added.lock(), 12);
    picture = Project::project().addAuxFile(transaction, *record, "/images/nine.png", { "new" });
    EXPECT_THROW(Project::project().addRecord(transaction, 9), ProjectError);
    EXPECT_THROW(
      Project::project().addVariable(transaction, "Mass", Variable::Other, ValueType::Real),
      ProjectError);
  }
  EXPECT_EQ(studyValue(9, "Cost"), Variant(12));
  EXPECT_TRUE(studyValue(1, "Cost").isNull());
  EXPECT_EQ(studyValue(9, Variable::caseIdName), Variant(9));
  EXPECT_EQ(picture.lock()->record().id(), 9u);
  EXPECT_EQ(stack().count(), 1);

  stack().undo();
  EXPECT_FALSE(added.lock());
  EXPECT_FALSE(Project::project().record(9).lock());
  EXPECT_FALSE(picture.lock());
  EXPECT_EQ(studyVariable("Mass")->column().size(), 5);

  stack().redo();
  EXPECT_EQ(studyValue(9, "Cost"), Variant(12));
  EXPECT_TRUE(picture.lock());
}

TEST_F(TransactionTest, ReplacingTheProjectDropsItsUndoStepsAndRemovesItsVariables)
{
  setValue(1, "Mass", 1.0);
  const auto oldIds = Project::project().variables();
  loadStudyProject();
  ASSERT_EQ(m_removedNotices.size(), 1u);
  EXPECT_TRUE(m_removedNotices[0].projectReplaced);
  EXPECT_EQ(m_removedNotices[0].removedVariables.size(), oldIds.size());
  stack().undo();
  EXPECT_EQ(studyValue(1, "Mass"), Variant(5.0));
}
