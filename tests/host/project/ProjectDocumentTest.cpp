#include "host/project/ImportError.h"
#include "host/project/ProjectDocumentReader.h"
#include "host/project/ProjectDocumentWriter.h"
#include "tests/host/project/StudyProject.h"
#include "tests/support/ErrorText.h"
#include "tests/support/Files.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class ProjectDocumentTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    // The study's files, moved into a folder of this test so that they exist.
    ProjectContents contents;
    contents.addVariable("Length", Variable::Independent, ValueType::Real);
    contents.addVariable("Count", Variable::Dependent, ValueType::Integer);
    contents.addVariable("Note", Variable::Other, ValueType::Text);
    contents.lock(3);
    contents.addRecord(7, { 0.1, 3, "tab\there, back\\slash\nline" });
    contents.addRecord(3, { Variant::nan(), Variant::null(), "NULL" });
    contents.addRecord(5, { 1e-300, Variant::nan(), Variant::null() });
    QDir(m_folder.path()).mkpath("images");
    QImage(2, 2, QImage::Format_RGB32).save(m_folder.filePath("images/seven.png"));
    contents.addAuxFile(7, m_folder.filePath("images/seven.png").toStdString(), { "a", "b" }, 4);
    contents.setTagGroups({ TagGroup("Letters", { "a", "b" }) });
    Project::project().assign(std::move(contents));

    FilterSettings range;
    range.variable = "Length";
    range.low = 0.05;
    range.high = 1.0 / 3.0;
    FilterSettings values;
    values.variable = "Note";
    values.kind = FilterSettings::Kind::Values;
    values.enabled = false;
    values.values = { { Variant("NULL"), true }, { Variant::null(), false }, { Variant(2), true } };
    m_filters = { range, values };
  }

  static QString readText(const QString& path)
  {
    return QString::fromUtf8(testsupport::readFile(path));
  }

  std::string errorOf(const QString& content)
  {
    const QString path =
      testsupport::writeFile(m_folder.filePath("broken.vproj"), content.toUtf8());
    return testsupport::errorOf<ImportError>([&] { ProjectDocumentReader::read(path); });
  }

  QTemporaryDir m_folder;
  std::vector<FilterSettings> m_filters;
};

} // namespace

TEST_F(ProjectDocumentTest, SaveAndOpenRoundTripExactly)
{
  const QString first = m_folder.filePath("first.vproj");
  ProjectDocumentWriter::write(first,
    m_filters,
    [](QDomDocument& document, QDomElement& root)
    {
      QDomElement views = document.createElement("Views");
      views.setAttribute("count", 0);
      root.appendChild(views);
    });
  EXPECT_TRUE(readText(first).contains("path=\"images/seven.png\""));

  LoadedProjectDocument loaded = ProjectDocumentReader::read(first);
  EXPECT_EQ(loaded.filters, m_filters);
  ASSERT_EQ(loaded.otherElements.size(), 1u);
  EXPECT_EQ(loaded.otherElements[0].tagName(), "Views");
  EXPECT_EQ(loaded.otherElements[0].attribute("count"), "0");
  Project::project().assign(std::move(loaded.contents));

  EXPECT_EQ(studyValue(7, "Note"), Variant("tab\there, back\\slash\nline"));
  EXPECT_EQ(studyValue(3, "Note"), Variant("NULL"));
  EXPECT_TRUE(studyValue(5, "Note").isNull());
  EXPECT_EQ(studyValue(7, "Length"), Variant(0.1));
  EXPECT_EQ(studyValue(5, "Length"), Variant(1e-300));
  EXPECT_TRUE(studyValue(3, "Length").isNaN());
  EXPECT_TRUE(studyValue(3, "Count").isNull());
  EXPECT_TRUE(studyValue(5, "Count").isNaN());
  EXPECT_TRUE(studyVariable("Note")->isLocked());
  EXPECT_EQ(Project::project().recordAtRow(0).lock()->caseId(), 7u);
  EXPECT_EQ(Project::project().auxFile(4).lock()->tags(), (std::vector<std::string>{ "a", "b" }));

  const QString second = m_folder.filePath("second.vproj");
  ProjectDocumentWriter::write(second, loaded.filters);
  QString expected = readText(first);
  expected.remove(QRegularExpression(" *<Views count=\"0\"/>\n"));
  EXPECT_EQ(readText(second), expected);
}

TEST_F(ProjectDocumentTest, BrokenDocumentsAreRefusedWithTheFileNamed)
{
  const QString good = ProjectDocumentWriter::document(m_folder.path(), m_filters).toString();
  EXPECT_EQ(errorOf("<VantorProject>\n<Variables>\n</VantorProject>"),
    "broken.vproj, line 3, column 16: not a well-formed document: tag mismatch.");
  EXPECT_EQ(errorOf("<Other/>"),
    "broken.vproj: this is not a project document (its root element is \"Other\").");
  EXPECT_EQ(errorOf(QString(good).replace("variable=\"Note\"", "variable=\"Gone\"")),
    "broken.vproj: a filter on line 28 names the unknown variable \"Gone\".");
  EXPECT_NE(errorOf(QString(good).replace(">0.1\t3\t", ">0.1\t")).find("case 7 on line"),
    std::string::npos);
  EXPECT_EQ(errorOf(QString(good).replace("images/seven.png", "images/six.png")),
    "broken.vproj: the file \"" + m_folder.filePath("images/six.png").toStdString() +
      "\" of case 7 does not exist.");
  EXPECT_EQ(errorOf(QString(good).replace(">0.1\t", ">zero\t")),
    "broken.vproj: case 7: variable \"Length\" holds numbers, not \"zero\"");
  EXPECT_EQ(Project::project().recordCount(), 3);
}
