#pragma once

#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/SelectionModel.h"

#include <QAbstractItemModel>
#include <QUndoStack>
#include <QWidget>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

/// Cases 1..10 with "x" (real, 0..10 apart from a NaN and a NULL), "n" (integer), "label"
/// (text), "fixed" (locked real) and "!!" (a real whose odd name must still be shown).
inline void loadTableProject()
{
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  contents.addVariable("n", Variable::Independent, ValueType::Integer);
  contents.addVariable("label", Variable::Other, ValueType::Text);
  contents.addVariable("fixed", Variable::Dependent, ValueType::Real);
  contents.addVariable("!!", Variable::Dependent, ValueType::Real);
  contents.lock(4);
  for (uint64_t id = 1; id <= 10; ++id)
  {
    Variant x = double(id);
    if (id == 7)
      x = Variant::nan();
    if (id == 8)
      x = Variant::null();
    contents.addRecord(id, { x, int(id * 2), "case " + std::to_string(id), 0.5 * id, 1.0 });
  }
  contents.addRecord(11, { 0.0, 0, "low", 0.0, 1.0 });
  Project::project().assign(std::move(contents));
}

/// The row of a model showing the case, found by the case id in column 0; -1 when absent.
inline int rowOfCase(const QAbstractItemModel& model, uint64_t caseId)
{
  for (int row = 0; row < model.rowCount(); ++row)
    if (model.index(row, 0).data().toULongLong() == caseId)
      return row;
  return -1;
}

class TableFixture : public ::testing::Test
{
protected:
  void SetUp() override
  {
    loadTableProject();
    UndoStack::clear();
    selection = boost::make_shared<SelectionModel>();
    pipeline = boost::make_shared<DataPipelineManager>(selection);
  }

  void TearDown() override { UndoStack::clear(); }

  QUndoStack& stack() { return UndoStack::qUndoStack(); }

  boost::shared_ptr<SelectionModel> selection;
  boost::shared_ptr<DataPipelineManager> pipeline;
  QWidget parent;
};
