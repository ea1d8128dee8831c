#include "host/common/XmlDocumentLoader.h"
#include "host/project/CsvImporter.h"
#include "host/project/ImportError.h"
#include "host/project/Project.h"
#include "host/project/ProjectDocumentReader.h"
#include "host/project/ProjectDocumentWriter.h"
#include "tests/support/ErrorText.h"
#include "tests/support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace
{

std::string errorOf(const QString& path)
{
  return testsupport::errorOf<ImportError>([&] { ProjectDocumentReader::read(path); });
}

QString written(const QTemporaryDir& folder, const char* name, const QByteArray& content)
{
  return testsupport::writeFile(folder.filePath(name), content);
}

} // namespace

TEST(DocumentLimits, DeeplyNestedDocumentsAreRefusedBeforeAnyTreeIsBuilt)
{
  EXPECT_EQ(errorOf(VANTOR_TEST_DATA "/fuzz/project/deep-nesting.vproj"),
    "deep-nesting.vproj, line 2, column 795: the document is refused: elements are nested deeper "
    "than 256 levels.");
  // A byte that is not UTF-8 far down once let the document past the depth check.
  EXPECT_EQ(errorOf(VANTOR_TEST_DATA "/fuzz/project/deep-nesting-bad-byte.vproj"),
    "deep-nesting-bad-byte.vproj, line 2, column 795: the document is refused: elements are "
    "nested deeper than 256 levels.");

  QDomDocument document;
  XmlDocumentLoader::Problem problem;
  const QByteArray limit = QByteArray("<a>").repeated(XmlDocumentLoader::maxDepth) +
                           QByteArray("</a>").repeated(XmlDocumentLoader::maxDepth);
  EXPECT_TRUE(XmlDocumentLoader::load(document, limit, problem));
  EXPECT_FALSE(XmlDocumentLoader::load(document, "<a>" + limit + "</a>", problem));
  EXPECT_TRUE(problem.tooDeep);
  EXPECT_FALSE(XmlDocumentLoader::load(document, "<a><b></a>", problem));
  EXPECT_FALSE(problem.tooDeep);
  EXPECT_EQ(problem.line, 1);
}

TEST(DocumentLimits, LargeIdsAndInfinitiesRoundTripExactlyAndOverflowIsRefused)
{
  const uint64_t ids[] = {
    9007199254740993ull, 9223372036854775808ull, std::numeric_limits<uint64_t>::max()
  };
  const double inf = std::numeric_limits<double>::infinity();
  ProjectContents contents;
  contents.addVariable("Load", Variable::Dependent, ValueType::Real);
  contents.addVariable("Count", Variable::Independent, ValueType::Integer);
  for (uint64_t id : ids)
    contents.addRecord(id, { id == ids[0] ? inf : -inf, 1 });
  Project::project().assign(std::move(contents));
  FilterSettings range;
  range.variable = "Load";
  range.low = -inf;
  range.high = inf;

  QTemporaryDir folder;
  const QString path = folder.filePath("limits.vproj");
  ProjectDocumentWriter::write(path, { range });
  Project::project().assign(ProjectContents());
  LoadedProjectDocument loaded = ProjectDocumentReader::read(path);
  Project::project().assign(std::move(loaded.contents));
  const Project& project = Project::project();
  ASSERT_EQ(project.recordCount(), 3);
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(project.recordAtRow(row).lock()->caseId(), ids[row]);
  const auto load = project.variable("Load").lock();
  EXPECT_EQ(project.record(ids[0]).lock()->data(*load), Variant(inf));
  EXPECT_EQ(project.record(ids[2]).lock()->data(*load), Variant(-inf));
  ASSERT_EQ(loaded.filters.size(), 1u);
  EXPECT_EQ(loaded.filters[0].low, -inf);
  EXPECT_EQ(loaded.filters[0].high, inf);

  const QByteArray saved = testsupport::readFile(path);
  EXPECT_EQ(
    errorOf(written(
      folder, "overflow.vproj", QByteArray(saved).replace("high=\"inf\"", "high=\"1e999\""))),
    "overflow.vproj: element RangeFilter on line 16: the number \"1e999\" of its \"high\" is out "
    "of range.");
  EXPECT_EQ(
    errorOf(written(folder, "realcount.vproj", QByteArray(saved).replace("inf\t1<", "inf\t1.5<"))),
    "realcount.vproj: case 9007199254740993: variable \"Count\" holds whole numbers, not \"1.5\"");
  EXPECT_EQ(errorOf(written(folder,
              "bigid.vproj",
              QByteArray(saved).replace("18446744073709551615", "18446744073709551616"))),
    "bigid.vproj: element Case on line 11 needs a whole number from 0 to 18446744073709551615 as "
    "its \"id\".");
}

// Inputs the fuzzers found (or that stand for what they look for): each is read or refused with
// a message naming the file, never anything else.
TEST(DocumentLimits, FuzzFindingsAreReadOrRefusedWithTheFileNamed)
{
  const auto check = [](const QString& folder, const std::function<void(const QString&)>& read)
  {
    const QDir dir(QStringLiteral(VANTOR_TEST_DATA "/fuzz/") + folder);
    const QStringList names = dir.entryList(QDir::Files);
    EXPECT_FALSE(names.isEmpty()) << folder.toStdString();
    for (const QString& name : names)
    {
      try
      {
        read(dir.filePath(name));
      }
      catch (const ImportError& error)
      {
        EXPECT_EQ(error.message().rfind(name.toStdString(), 0), 0u) << error.message();
      }
    }
  };
  check(QStringLiteral("csv"), [](const QString& path) { CsvImporter().read(path); });
  check(QStringLiteral("project"), [](const QString& path) { ProjectDocumentReader::read(path); });
}
