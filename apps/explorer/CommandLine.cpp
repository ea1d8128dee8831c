#include "apps/explorer/CommandLine.h"

#include "apps/explorer/ProjectFiles.h"
#include "apps/explorer/ViewKinds.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace
{

// Far more cases than any project holds; keeps a typo like 1-1000000000000 from eating memory.
constexpr uint64_t maxRangeLength = 10000000;
constexpr int maxSide = 16384;
constexpr int maxSkipLines = 1000000;

[[noreturn]] void fail(const QString& message)
{
  throw CommandLineError(message.toStdString());
}

uint64_t caseIdOf(const QString& text, const QString& part)
{
  bool ok = false;
  const uint64_t id = text.trimmed().toULongLong(&ok);
  if (!ok || text.trimmed().startsWith('+'))
    fail(QStringLiteral("\"%1\" is not a case id or a range of ids like 10-20.").arg(part));
  return id;
}

void addPart(const QString& part, std::set<uint64_t>& ids)
{
  const int dash = part.indexOf('-', 1);
  if (dash < 0)
  {
    ids.insert(caseIdOf(part, part));
    return;
  }
  const uint64_t first = caseIdOf(part.left(dash), part);
  const uint64_t last = caseIdOf(part.mid(dash + 1), part);
  if (last < first)
    fail(QStringLiteral("The range \"%1\" ends before it starts.").arg(part));
  if (last - first >= maxRangeLength)
    fail(QStringLiteral("The range \"%1\" is too long.").arg(part));
  for (uint64_t id = first;; ++id)
  {
    ids.insert(id);
    if (id == last)
      break;
  }
}

/// Runs the parse of an option's value, naming the option in its error.
template<class Parse>
auto withOption(const char* option, Parse parse)
{
  try
  {
    return parse();
  }
  catch (const CommandLineError& error)
  {
    fail(QStringLiteral("%1: %2").arg(option, QString::fromStdString(error.message())));
  }
}

QString kindList()
{
  QStringList lines;
  for (const auto& kind : ViewKinds::all())
    lines << QStringLiteral("                      %1%2")
               .arg(kind.name, -17)
               .arg(kind.available ? kind.title : kind.title + " (not in this build)");
  return lines.join('\n');
}

} // namespace

ExplorerOptions CommandLine::parse(const QStringList& arguments)
{
  QCommandLineParser parser;
  const QCommandLineOption help({ "h", "help" }, "");
  const QCommandLineOption project("project", "", "FILE");
  const QCommandLineOption skipLines("skip-lines", "", "N");
  const QCommandLineOption sample("sample", "");
  const QCommandLineOption add("add", "", "KIND");
  const QCommandLineOption views("views", "", "FILE");
  const QCommandLineOption select("select", "", "IDS");
  const QCommandLineOption exportDir("export", "", "DIR");
  const QCommandLineOption size("size", "", "WxH");
  parser.addOptions({ help, project, skipLines, sample, add, views, select, exportDir, size });
  if (!parser.parse(arguments))
    fail(parser.errorText() + ". Try --help.");
  if (!parser.positionalArguments().isEmpty())
    fail(QStringLiteral("Unexpected argument \"%1\"; open a file with --project FILE.")
           .arg(parser.positionalArguments().first()));

  ExplorerOptions options;
  options.showHelp = parser.isSet(help);
  if (parser.isSet(project) && parser.isSet(sample))
    fail(QStringLiteral("Give either --project FILE or --sample, not both."));
  options.project = parser.value(project);
  if (parser.isSet(skipLines))
  {
    if (!ProjectFiles::isCsv(options.project))
      fail(QStringLiteral("--skip-lines applies to a CSV file opened with --project FILE.csv."));
    bool ok = false;
    options.skipLines = parser.value(skipLines).toInt(&ok);
    if (!ok || options.skipLines < 0 || options.skipLines > maxSkipLines)
      fail(QStringLiteral("--skip-lines: \"%1\" is not a number of lines from 0 to %2.")
             .arg(parser.value(skipLines))
             .arg(maxSkipLines));
  }
  for (const QString& kind : parser.values(add))
  {
    if (!ViewKinds::find(kind))
      fail(QStringLiteral("--add: there is no kind of view called \"%1\"; the kinds are %2.")
             .arg(kind, ViewKinds::names().join(", ")));
    options.addKinds << kind;
  }
  options.viewsFile = parser.value(views);
  if (parser.isSet(select))
  {
    options.hasSelection = true;
    options.selection = withOption("--select", [&] { return parseCaseIds(parser.value(select)); });
  }
  options.exportDir = parser.value(exportDir);
  if (parser.isSet(exportDir) && options.exportDir.isEmpty())
    fail(QStringLiteral("--export needs a folder."));
  if (parser.isSet(size))
    options.size = withOption("--size", [&] { return parseSize(parser.value(size)); });
  return options;
}

std::set<uint64_t> CommandLine::parseCaseIds(const QString& text)
{
  if (text.trimmed().isEmpty())
    fail(QStringLiteral("Give case ids or ranges, as in 1,5,10-20."));
  std::set<uint64_t> ids;
  for (const QString& part : text.split(','))
  {
    if (part.trimmed().isEmpty())
      fail(QStringLiteral("\"%1\" has an empty entry; separate ids with single commas.").arg(text));
    addPart(part.trimmed(), ids);
  }
  return ids;
}

QSize CommandLine::parseSize(const QString& text)
{
  static const QRegularExpression form(
    QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
  const auto match = form.match(text);
  const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
  const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
  if (width < 1 || height < 1 || width > maxSide || height > maxSide)
    fail(QStringLiteral("\"%1\" is not a size like 1280x800 (each side 1 to %2 pixels).")
           .arg(text)
           .arg(maxSide));
  return QSize(width, height);
}

QString CommandLine::helpText()
{
  return QStringLiteral(
    "Usage: explorer [options]\n"
    "Shows linked views (tables, plots, images) of a project of cases.\n"
    "\n"
    "Options:\n"
    "  --project FILE      Open a CSV file of cases or a project document.\n"
    "  --skip-lines N      Ignore the first N lines of the CSV file, above its header.\n"
    "  --sample            Open the built-in sample project (the default without --project).\n"
    "  --add KIND          Add a view; repeat for more. Kinds:\n"
    "%1\n"
    "                      The selected-cases view is always shown in its own panel.\n"
    "  --views FILE        Restore the views saved in a views document or project document.\n"
    "  --select IDS        Select cases: ids and ranges, as in 1,5,10-20.\n"
    "  --export DIR        Write the views, then exit without waiting for the user: views.xml\n"
    "                      (the views document) and one CSV per tabular view (a table's\n"
    "                      rows and columns as shown; the selected cases) and a PNG of every\n"
    "                      view (scatter3d.png, line.png, table.png, ...; see --size).\n"
    "  --size WxH          Window size, e.g. 1280x800.\n"
    "  -h, --help          Show this help.\n"
    "\n"
    "Without --add, --views or saved views, a table view is opened.\n")
    .arg(kindList());
}
