#pragma once

#include <cstdint>
#include <random>
#include <string>

class ExplorerWindow;

/// Random steps on an explorer window: views added and removed, view settings, cell edits,
/// filters added, changed and removed, variables deleted, each one undo step, and cases
/// selected, which is no undo step but happens between them. Shared by the test suite (a few
/// hundred steps) and bench_undo_stress (the full ten thousand).
class UndoStress
{
public:
  UndoStress(ExplorerWindow& window, uint64_t seed);

  /// The seed of VANTOR_STRESS_SEED when set, otherwise a fresh one.
  static uint64_t seedFromEnvironment();

  static constexpr const char* selectCasesStep = "select cases";

  /// One random step; returns its name.
  const char* step();
  /// Everything an undo step may change, as text: the project document with its values and
  /// filters, and the views with their settings.
  std::string state() const;

private:
  bool addView();
  bool removeView();
  bool changeSetting();
  bool editCell();
  bool changeFilter();
  bool deleteVariable();
  bool selectCases();

  std::size_t below(std::size_t count);

  ExplorerWindow& m_window;
  std::mt19937_64 m_random;
};
