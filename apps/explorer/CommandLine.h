#pragma once

#include "host/core/ExceptionBase.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <set>

/// A command line the explorer cannot run; the message says what to type instead.
class CommandLineError : public vantor::ExceptionBase
{
public:
  using vantor::ExceptionBase::ExceptionBase;
};

/// What the command line asks the explorer to do.
struct ExplorerOptions
{
  bool showHelp = false;
  /// A CSV file or a project document; empty for the built-in sample project.
  QString project;
  /// Lines above a CSV file's header to ignore.
  int skipLines = 0;
  /// View kinds to add, in order (see ViewKinds).
  QStringList addKinds;
  QString viewsFile;
  bool hasSelection = false;
  std::set<uint64_t> selection;
  /// Empty: run interactively; otherwise export there and exit.
  QString exportDir;
  /// Invalid when not given.
  QSize size;
};

/// Reads the explorer's command line.
class CommandLine
{
public:
  /// The first argument is the program. Throws CommandLineError for anything it cannot use.
  static ExplorerOptions parse(const QStringList& arguments);
  /// "3,7,10-12" gives 3, 7, 10, 11 and 12. Throws CommandLineError naming the bad part.
  static std::set<uint64_t> parseCaseIds(const QString& text);
  /// "1024x768" gives 1024 by 768. Throws CommandLineError for anything else.
  static QSize parseSize(const QString& text);
  static QString helpText();
};
