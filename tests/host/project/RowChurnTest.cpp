#include "host/core/UndoStack.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <QUndoStack>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace
{

using Snapshot = std::map<uint64_t, std::vector<Variant>>;

/// Every case's values in row order, read through the records.
std::pair<std::vector<uint64_t>, Snapshot> snapshot()
{
  const Project& project = Project::project();
  std::pair<std::vector<uint64_t>, Snapshot> result;
  for (vtkIdType row = 0; row < project.recordCount(); ++row)
  {
    const auto record = project.recordAtRow(row).lock();
    EXPECT_EQ(record->row(), row);
    result.first.push_back(record->caseId());
    auto& values = result.second[record->caseId()];
    for (const auto& handle : project.variables())
      values.push_back(record->data(*handle.lock()));
  }
  return result;
}

Variant specialOr(std::mt19937& engine, Variant value)
{
  switch (engine() % 8)
  {
    case 0:
      return Variant::nan();
    case 1:
      return Variant::null();
    default:
      return value;
  }
}

} // namespace

TEST(RowChurn, ErasingAndRestoringRowsKeepsEveryValueInItsCase)
{
  std::mt19937 engine(7);
  ProjectContents contents;
  contents.addVariable("Real", Variable::Independent, ValueType::Real);
  contents.addVariable("Integer", Variable::Independent, ValueType::Integer);
  contents.addVariable("Text", Variable::Other, ValueType::Text);
  for (uint64_t id = 1; id <= 200; ++id)
    contents.addRecord(id * 3,
      { specialOr(engine, id * 0.5),
        specialOr(engine, int(id)),
        id % 5 ? Variant("t" + std::to_string(id)) : Variant::null() });
  Project::project().assign(std::move(contents));
  UndoStack::clear();

  std::vector<std::pair<std::vector<uint64_t>, Snapshot>> history{ snapshot() };
  for (int step = 0; step < 12; ++step)
  {
    std::vector<uint64_t> erase;
    for (vtkIdType row = 0; row < Project::project().recordCount(); ++row)
      if (engine() % 6 == 0)
        erase.push_back(Project::project().recordAtRow(row).lock()->caseId());
    {
      Transaction transaction = Project::project().startTransaction();
      transaction.allowErasure();
      Project::project().eraseRecords(transaction, erase);
      const uint64_t added = 10000 + static_cast<uint64_t>(step);
      Project::project().addRecord(transaction, added);
    }
    auto now = snapshot();
    for (const auto& entry : now.second)
      if (entry.first < 10000)
      {
        EXPECT_EQ(entry.second, history.back().second.at(entry.first));
      }
    history.push_back(std::move(now));
  }
  for (auto expected = history.rbegin() + 1; expected != history.rend(); ++expected)
  {
    UndoStack::qUndoStack().undo();
    EXPECT_EQ(snapshot(), *expected);
  }
  for (auto expected = history.begin() + 1; expected != history.end(); ++expected)
  {
    UndoStack::qUndoStack().redo();
    EXPECT_EQ(snapshot(), *expected);
  }
}
