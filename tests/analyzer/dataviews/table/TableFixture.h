#pragma once

#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/SelectionModel.h"
#include "tests/support/ItemModels.h"
#include "tests/support/ProjectEdits.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QImage>
#include <QTableView>
#include <QUndoStack>
#include <QWidget>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

using testsupport::casesInRowOrder;
using testsupport::columnNamed;
using testsupport::rowOfCase;

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

/// The cases whose rows the view paints as selected, read from its pixels as the user sees them:
/// the background below the case id is neither of the view's row colours.
inline std::set<uint64_t> casesPaintedSelected(QTableView& view)
{
  QApplication::processEvents();
  const QImage image = view.viewport()->grab().toImage();
  const QColor base = view.palette().color(QPalette::Base);
  const QColor alternate = view.palette().color(QPalette::AlternateBase);
  QAbstractItemModel& model = *view.model();
  std::set<uint64_t> cases;
  for (int row = 0; row < model.rowCount(); ++row)
  {
    const QRect cell = view.visualRect(model.index(row, 0));
    const QColor shown = image.pixelColor(cell.left() + 3, cell.bottom() - 3);
    if (cell.isValid() && shown != base && shown != alternate)
      cases.insert(model.index(row, 0).data().toULongLong());
  }
  return cases;
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
