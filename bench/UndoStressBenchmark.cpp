// The seeded undo/redo stress at full length: ten thousand random steps, then everything undone
// and redone, checking the initial and final states exactly. Prints the seed (repeat a run with
// VANTOR_STRESS_SEED) and the time each phase took; exits 1 when a state differs.
#include "apps/explorer/ExplorerWindow.h"
#include "host/core/UndoStack.h"
#include "tests/apps/explorer/ExplorerTestFiles.h"
#include "tests/apps/explorer/UndoStress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int steps = argc > 1 ? std::atoi(argv[1]) : 10000;
  const uint64_t seed = UndoStress::seedFromEnvironment();
  std::cout << "Undo stress: " << steps << " steps, seed " << seed << std::endl;

  QTemporaryDir dir;
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  if (!window.openFile(explorertest::writeBeamsCsv(dir.path())))
    return 1;
  window.addView(QStringLiteral("table"));
  UndoStack::clear();
  QUndoStack& stack = UndoStack::qUndoStack();
  UndoStress stress(window, seed);
  const std::string initial = stress.state();

  QElapsedTimer timer;
  timer.start();
  // With VANTOR_STRESS_TRACE set, each step is undone and redone at once and checked, to name
  // the first step that does not come back.
  const bool trace = !qEnvironmentVariableIsEmpty("VANTOR_STRESS_TRACE");
  for (int i = 0; i < steps; ++i)
  {
    const std::string before = trace ? stress.state() : std::string();
    const int count = stack.count();
    const char* name = stress.step();
    if (!trace)
      continue;
    const int undoSteps = name == std::string(UndoStress::selectCasesStep) ? 0 : 1;
    if (undoSteps == 0)
      continue;
    const std::string after = stress.state();
    stack.undo();
    const std::string undoneStep = stress.state();
    const bool undone = undoneStep == before;
    if (!undone)
    {
      std::ofstream("undo-stress-before.txt") << before;
      std::ofstream("undo-stress-undone.txt") << undoneStep;
    }
    stack.redo();
    const bool redone = stress.state() == after;
    if (stack.count() != count + undoSteps || !undone || !redone)
    {
      std::cout << "step " << i << " (" << name << "): " << stack.count() - count
                << " undo steps, undo " << (undone ? "exact" : "DIFFERENT") << ", redo "
                << (redone ? "exact" : "DIFFERENT") << std::endl;
      return 1;
    }
  }
  std::cout << "steps: " << timer.restart() << " ms, " << stack.count() << " undo steps"
            << std::endl;
  const std::string final = stress.state();
  while (stack.canUndo())
    stack.undo();
  std::cout << "undo all: " << timer.restart() << " ms" << std::endl;
  const std::string undone = stress.state();
  const bool initialBack = undone == initial;
  while (stack.canRedo())
    stack.redo();
  std::cout << "redo all: " << timer.restart() << " ms" << std::endl;
  const std::string redone = stress.state();
  const bool finalBack = redone == final;
  if (!initialBack || !finalBack)
  {
    // The states side by side, for a diff.
    for (const auto& [name, text] :
      { std::pair<const char*, const std::string&>("initial", initial),
        { "undone", undone },
        { "final", final },
        { "redone", redone } })
      std::ofstream(std::string("undo-stress-") + name + ".txt") << text;
    std::cout << "wrote undo-stress-{initial,undone,final,redone}.txt" << std::endl;
  }
  std::cout << "initial state after undo: " << (initialBack ? "same" : "DIFFERENT") << "\n"
            << "final state after redo: " << (finalBack ? "same" : "DIFFERENT") << std::endl;
  return initialBack && finalBack ? 0 : 1;
}
