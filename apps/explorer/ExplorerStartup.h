#pragma once

class ExplorerWindow;
struct ExplorerOptions;

/// Carries out a command line: opens the project and views it asks for, and in batch mode
/// exports them and ends.
class ExplorerStartup
{
public:
  /// Opens the project, then restores, adds and selects as asked; a table view is added when
  /// nothing else asked for a view. False when the project could not be opened.
  static bool apply(ExplorerWindow& window, const ExplorerOptions& options);
  /// Shows the window and runs until it closes, or in batch mode exports and returns at once.
  /// Returns the process exit code: not 0 when a problem was reported in batch mode.
  static int run(const ExplorerOptions& options);
};
