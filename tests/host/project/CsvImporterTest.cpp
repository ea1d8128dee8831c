#include "host/project/CsvImporter.h"
#include "host/project/ImportError.h"
#include "tests/host/project/StudyProject.h"
#include "tests/support/ErrorText.h"
#include "tests/support/Files.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class CsvImporterTest : public ::testing::Test
{
protected:
  QString write(const QString& name, const QByteArray& content)
  {
    return testsupport::writeFile(m_folder.filePath(name), content);
  }

  void makeImage(const QString& name)
  {
    QDir(m_folder.path()).mkpath(QFileInfo(m_folder.filePath(name)).path());
    QImage(4, 4, QImage::Format_RGB32).save(m_folder.filePath(name));
  }

  std::string errorOf(const QString& path, CsvImportOptions options = CsvImportOptions())
  {
    return testsupport::errorOf<ImportError>([&] { CsvImporter(options).read(path); });
  }

  QTemporaryDir m_folder;
};

} // namespace

TEST_F(CsvImporterTest, ReadsTypesNaturesImagesAndTags)
{
  makeImage("pics/a.png");
  makeImage("pics/b.png");
  const QString path = write("cases.csv",
    "Case ID,Span,Load,Ribs,Label,Image,Tags,Cost\n"
    "10,1.5,200,2,\"beam, long\",pics/a.png,good; checked,3\n"
    "\n"
    "11,2,NaN,3,short,pics/b.png,bad,\n"
    "12, 2.5e1 ,NULL,4,,,,4.5\r\n");
  Project::project().assign(CsvImporter().read(path));

  const Project& project = Project::project();
  const auto variables = project.variables();
  ASSERT_EQ(variables.size(), 6u);
  const char* names[] = { "Case ID", "Span", "Load", "Ribs", "Label", "Cost" };
  for (std::size_t i = 0; i < variables.size(); ++i)
    EXPECT_EQ(variables[i].lock()->name(), names[i]);
  EXPECT_EQ(project.variable("Span").lock()->valueType(), ValueType::Real);
  EXPECT_EQ(project.variable("Load").lock()->valueType(), ValueType::Integer);
  EXPECT_EQ(project.variable("Label").lock()->valueType(), ValueType::Text);
  EXPECT_EQ(project.variable("Cost").lock()->nature(), Variable::Dependent);
  EXPECT_EQ(project.variable("Span").lock()->nature(), Variable::Independent);
  EXPECT_EQ(project.variable("Label").lock()->nature(), Variable::Independent);

  EXPECT_EQ(project.recordAtRow(0).lock()->caseId(), 10u);
  EXPECT_EQ(studyValue(10, "Label"), Variant("beam, long"));
  EXPECT_EQ(studyValue(12, "Span"), Variant(25.0));
  EXPECT_TRUE(studyValue(11, "Load").isNaN());
  EXPECT_TRUE(studyValue(12, "Load").isNull());
  EXPECT_TRUE(studyValue(11, "Cost").isNull());
  EXPECT_TRUE(studyValue(12, "Label").isNull());

  const auto files = project.record(10).lock()->auxFiles();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].lock()->filePath(), m_folder.filePath("pics/a.png").toStdString());
  EXPECT_EQ(files[0].lock()->tags(), (std::vector<std::string>{ "good", "checked" }));
  EXPECT_TRUE(project.record(12).lock()->auxFiles().empty());
  ASSERT_EQ(project.tagGroups().size(), 1u);
  EXPECT_EQ(project.tagGroups()[0].tags(), (std::vector<std::string>{ "good", "checked", "bad" }));
}

TEST_F(CsvImporterTest, OptionsGiveNaturesTypesAndSkippedLinesAndTheHeaderTheSeparator)
{
  const QString path = write("semicolons.csv", "Code;Speed;Power\n100;1;2\nA200;3;4\n");
  CsvImportOptions options;
  options.natures = { { "Speed", Variable::Dependent }, { "Power", Variable::Other } };
  options.types = { { "Code", ValueType::Text } };
  const auto columns = CsvImporter(options).columns(path);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].type, ValueType::Text);
  EXPECT_EQ(columns[1].nature, Variable::Dependent);
  EXPECT_EQ(columns[2].nature, Variable::Other);
  Project::project().assign(CsvImporter(options).read(path));
  EXPECT_EQ(studyValue(2, "Code"), Variant("A200"));
  EXPECT_EQ(studyValue(1, "Power"), Variant(2));

  options.natures = { { "Torque", Variable::Dependent } };
  EXPECT_EQ(errorOf(path, options),
    "semicolons.csv: there is no column named \"Torque\" to give a nature.");

  // Leading lines can be skipped.
  const QString titled = write("titled.csv", "Beam study, June\n3 rows\n\nA,B\n1,2\n3,4\n5,6\n");
  EXPECT_EQ(errorOf(titled), "titled.csv, line 2: has 1 fields where the header names 2 columns.");
  CsvImportOptions skipping;
  skipping.skipLines = 2;
  Project::project().assign(CsvImporter(skipping).read(titled));
  EXPECT_EQ(Project::project().recordCount(), 3);
  EXPECT_EQ(studyValue(3, "B"), Variant(6));
  skipping.skipLines = 7;
  EXPECT_EQ(errorOf(titled, skipping),
    "titled.csv: nothing follows the first 7 lines skipped; the line after them must name the "
    "columns.");
}

TEST_F(CsvImporterTest, BadInputIsRefusedWithTheFileAndLineNamed)
{
  makeImage("a.png");
  EXPECT_EQ(errorOf(m_folder.filePath("missing.csv")),
    "Cannot open \"" + m_folder.filePath("missing.csv").toStdString() +
      "\": there is no such file.");
  EXPECT_EQ(errorOf(write("empty.csv", "\n\n")),
    "empty.csv: the file is empty; the first line must name the columns.");
  EXPECT_EQ(errorOf(write("ragged.csv", "A,B\n1,2\n3\n")),
    "ragged.csv, line 3: has 1 fields where the header names 2 columns.");
  EXPECT_EQ(errorOf(write("text.csv", "A,B\n1,2\n3,x\n")),
    "text.csv, line 3: column \"B\" holds numbers, but this line has \"x\".");
  EXPECT_EQ(
    errorOf(write("twice.csv", "A,B,A\n1,2,3\n")), "twice.csv: two columns are named \"A\".");
  EXPECT_EQ(errorOf(write("noname.csv", "A,,C\n1,2,3\n")),
    "noname.csv: column 2 of the header has no name.");
  EXPECT_EQ(errorOf(write("ids.csv", "Case ID,A\n1,2\n1,3\n")),
    "ids.csv, line 3: case 1 appears a second time.");
  EXPECT_EQ(errorOf(write("badid.csv", "Case ID,A\n1.5,2\n")),
    "badid.csv, line 2: the case identifier \"1.5\" is not a whole number of zero or more.");
}

TEST_F(CsvImporterTest, MissingImagesAreListedAndTheirCasesKept)
{
  makeImage("a.png");
  const QString path =
    write("images.csv", "A,Image,Tags\n1,a.png,x\n2,gone.png,y\n3,,\n4,sub/lost.png,x\n");
  const CsvImportResult result = CsvImporter().import(path);
  EXPECT_EQ(result.contents.recordCount(), 4);
  EXPECT_EQ(result.missingImageFiles,
    (std::vector<std::string>{ m_folder.filePath("gone.png").toStdString(),
      m_folder.filePath("sub/lost.png").toStdString() }));
  Project::project().assign(CsvImporter().read(path));
  EXPECT_EQ(Project::project().auxFiles().size(), 3u) << "a missing file keeps its attachment";

  CsvImportOptions none;
  none.withImages = false;
  none.withTags = false;
  const CsvImportResult plain = CsvImporter(none).import(path);
  EXPECT_TRUE(plain.missingImageFiles.empty());
  Project::project().assign(CsvImporter(none).read(path));
  EXPECT_TRUE(Project::project().auxFiles().empty());
  EXPECT_EQ(studyValue(2, "Image"), Variant("gone.png")) << "the column is a variable then";
  EXPECT_EQ(studyValue(4, "Tags"), Variant("x"));
}
