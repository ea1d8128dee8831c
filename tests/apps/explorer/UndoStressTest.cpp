#include "tests/apps/explorer/UndoStress.h"
#include "apps/explorer/ExplorerWindow.h"
#include "host/core/UndoStack.h"
#include "tests/apps/explorer/ExplorerTestFiles.h"

#include <QTemporaryDir>
#include <QUndoStack>
#include <gtest/gtest.h>
#include <iostream>

// A short run of the seeded stress; bench_undo_stress runs the full ten thousand steps.
TEST(UndoStress, UndoingEverythingGivesTheInitialStateAndRedoingEverythingTheFinalOne)
{
  const uint64_t seed = UndoStress::seedFromEnvironment();
  std::cout << "Undo stress seed: " << seed << " (set VANTOR_STRESS_SEED to repeat)" << std::endl;
  QTemporaryDir dir;
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path())));
  window.addView(QStringLiteral("table"));
  UndoStack::clear();
  QUndoStack& stack = UndoStack::qUndoStack();

  UndoStress stress(window, seed);
  const std::string initial = stress.state();
  for (int i = 0; i < 300; ++i)
  {
    const int before = stack.count();
    const std::string name = stress.step();
    const int expected = name == UndoStress::selectCasesStep ? before : before + 1;
    ASSERT_EQ(stack.count(), expected) << "step " << i << " (" << name << ")";
  }
  const std::string final = stress.state();
  while (stack.canUndo())
    stack.undo();
  EXPECT_EQ(stress.state(), initial) << "seed " << seed;
  while (stack.canRedo())
    stack.redo();
  EXPECT_EQ(stress.state(), final) << "seed " << seed;
  EXPECT_TRUE(window.problems().isEmpty()) << window.problems().join('\n').toStdString();
}
