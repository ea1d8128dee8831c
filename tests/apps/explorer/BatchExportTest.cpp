#include "tests/apps/explorer/ExplorerTestFiles.h"

#include "apps/explorer/ExplorerWindow.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Project.h"

#include <QProcess>
#include <QTemporaryDir>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

using explorertest::writeFile;

namespace
{

struct ProcessResult
{
  int exitCode = -1;
  bool crashed = true;
  QString err;
};

ProcessResult runExplorer(const QStringList& arguments)
{
  QProcess process;
  process.start(QStringLiteral(EXPLORER_PATH), arguments);
  ProcessResult run;
  if (!process.waitForFinished(120000))
    return run;
  run.exitCode = process.exitCode();
  run.crashed = process.exitStatus() != QProcess::NormalExit;
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

QStringList lines(const QString& path)
{
  return QString::fromUtf8(testsupport::readFile(path)).split('\n', Qt::SkipEmptyParts);
}

QStringList filesIn(const QString& folder)
{
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

class BatchExport : public ::testing::Test
{
protected:
  QString out(const char* name) const { return QDir(dir.path()).filePath(name); }

  QTemporaryDir dir;
};

} // namespace

TEST_F(BatchExport, SavedProjectExportsTheFilteredRowsInTheSavedColumnOrder)
{
  {
    ExplorerWindow window(ExplorerWindow::Mode::Batch);
    ASSERT_TRUE(window.openFile(explorertest::writeBeamsCsv(dir.path())));
    window.pipeline().addFilter(
      boost::make_shared<RangeFilter>(Project::project().variable("Stress"), 70.0, 150.0));
    ASSERT_TRUE(window.loadViews(writeFile(dir.path(),
      "views.xml",
      "<Views><TableView><UseFilters>1</UseFilters>"
      "<ColumnOrder>Stress,Case ID,Length,Width,Material,Mass</ColumnOrder></TableView></Views>")));
    ASSERT_TRUE(window.saveProject(out("beams.xml")));
  }
  const ProcessResult run =
    runExplorer({ "--project", out("beams.xml"), "--export", out("export") });
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(lines(out("export/table.csv")),
    (QStringList{ "Stress,Case ID,Length,Width,Material,Mass",
      "120.5,11,1.5,20,Steel,3.2",
      "80.25,12,2,25,Aluminium,2.1",
      "95,16,2.2,22,Aluminium,NULL" }));
}

TEST_F(BatchExport, ProblemsGoToStandardErrorWithAFailingExitCode)
{
  const QString csv = explorertest::writeBeamsCsv(dir.path());
  const QString corrupted = writeFile(dir.path(),
    "corrupted.xml",
    "<Views><TableView/><TableView><ColumnOrder>Case ID</ColumnOrder>"
    "<UseFilters>yes please</UseFilters></TableView></Views>");
  const ProcessResult broken =
    runExplorer({ "--project", csv, "--views", corrupted, "--export", out("broken") });
  ASSERT_FALSE(broken.crashed);
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_TRUE(broken.err.contains("View 2 of 2 (\"TableView\"), setting UseFilters = \"yes "
                                  "please\": the text there is not a value"))
    << broken.err.toStdString();
  EXPECT_EQ(filesIn(out("broken")).join(' '),
    "selected-cases.csv selected-cases.png table-2.csv table-2.png table.csv table.png views.xml")
    << "what did load is still exported";

  const ProcessResult missing =
    runExplorer({ "--project", out("missing.csv"), "--export", out("none") });
  ASSERT_FALSE(missing.crashed);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_TRUE(missing.err.contains("Cannot open the project:")) << missing.err.toStdString();
  EXPECT_FALSE(QDir(out("none")).exists());

  const ProcessResult mistaken = runExplorer({ "--select", "x" });
  EXPECT_EQ(mistaken.exitCode, 2);
  EXPECT_TRUE(mistaken.err.contains("--select: \"x\" is not a case id"));
}
