#include "host/project/CsvImporter.h"
#include "host/project/CsvReader.h"
#include "host/project/ImportError.h"
#include "tests/host/project/StudyProject.h"
#include "tests/support/ErrorText.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

QString dataFile(const char* name)
{
  return QStringLiteral(VANTOR_TEST_DATA "/csv/") + name;
}

std::string errorOf(const char* name, const CsvImportOptions& options = CsvImportOptions())
{
  return testsupport::errorOf<ImportError>([&] { CsvImporter(options).read(dataFile(name)); });
}

std::vector<std::string> readInto(const char* name)
{
  CsvImportResult result = CsvImporter().import(dataFile(name));
  Project::project().assign(std::move(result.contents));
  return result.warnings;
}

} // namespace

TEST(CsvReading, QuotedFieldsSpanLinesKeepDoubledQuotesAndSeparatorsAndMustBeClosedWhole)
{
  readInto("quoted-fields.csv");
  EXPECT_EQ(Project::project().recordCount(), 3);
  EXPECT_EQ(studyValue(1, "Note"), Variant("two\r\nlines"));
  EXPECT_EQ(studyValue(2, "Note"), Variant("say \"hi\""));
  EXPECT_EQ(studyValue(3, "Note"), Variant("a, b"));
  EXPECT_EQ(studyValue(3, "Size"), Variant(5));

  // Misplaced quotes are refused with the line.
  EXPECT_EQ(errorOf("unclosed-quote.csv"),
    "unclosed-quote.csv: line 2: a quoted field that starts on this line is never closed.");
  EXPECT_EQ(errorOf("stray-quote.csv"),
    "stray-quote.csv: line 3: a quote stands inside a field; a field holding quotes must be "
    "quoted whole, with each quote in it doubled.");
}

TEST(CsvReading, EveryLineEndingAndAByteOrderMarkGiveTheSameCases)
{
  for (const char* name :
    { "lf-endings.csv", "crlf-endings.csv", "cr-endings.csv", "byte-order-mark.csv" })
  {
    EXPECT_TRUE(readInto(name).empty()) << name;
    const Project& project = Project::project();
    ASSERT_EQ(project.recordCount(), 2) << name;
    ASSERT_TRUE(project.variable("A").lock()) << name;
    EXPECT_EQ(studyValue(2, "B"), Variant(4)) << name;
  }
  readInto("tab-separated.csv");
  EXPECT_EQ(studyValue(1, "A"), Variant("1\t5"));
  EXPECT_EQ(studyValue(1, "B C"), Variant(2));
}

TEST(CsvReading, TextThatIsNotUtf8IsReadAsLatin1AndSaidOnce)
{
  const auto warnings = readInto("latin1.csv");
  EXPECT_EQ(warnings,
    std::vector<std::string>{ "latin1.csv: the file is not valid UTF-8 text; it was read as "
                              "Latin-1." });
  EXPECT_EQ(studyValue(1, "Material"), Variant("M\xC3\xA9tal"));
  EXPECT_EQ(studyValue(2, "Material"), Variant("Acier tremp\xC3\xA9"));
}

TEST(CsvReading, CaseIdsAreExactUnsigned64BitNumbers)
{
  readInto("large-ids.csv");
  const Project& project = Project::project();
  ASSERT_EQ(project.recordCount(), 3);
  const uint64_t ids[] = {
    9007199254740993ull, 9223372036854775808ull, std::numeric_limits<uint64_t>::max()
  };
  for (int row = 0; row < 3; ++row)
  {
    EXPECT_EQ(project.recordAtRow(row).lock()->caseId(), ids[row]);
    EXPECT_EQ(studyValue(ids[row], "Size"), Variant(row + 1));
  }
  EXPECT_EQ(errorOf("too-large-id.csv"),
    "too-large-id.csv, line 2: the case identifier \"18446744073709551616\" is larger than "
    "18446744073709551615.");
}

TEST(CsvReading, InfinitiesAreNumbersAndNumbersBeyondRangeAreRefused)
{
  readInto("infinities.csv");
  const Project& project = Project::project();
  EXPECT_EQ(project.variable("A").lock()->valueType(), ValueType::Real);
  EXPECT_EQ(project.variable("B").lock()->valueType(), ValueType::Real);
  EXPECT_EQ(studyValue(1, "B"), Variant(std::numeric_limits<double>::infinity()));
  EXPECT_EQ(studyValue(2, "A"), Variant(-std::numeric_limits<double>::infinity()));
  CsvImportOptions wholeNumbers;
  wholeNumbers.types = { { "B", ValueType::Integer } };
  EXPECT_EQ(errorOf("infinities.csv", wholeNumbers),
    "infinities.csv, line 2: column \"B\" holds whole numbers, but this line has \"inf\".");
  EXPECT_EQ(errorOf("overflow.csv"),
    "overflow.csv, line 3: column \"A\": the number \"1e999\" is out of range.");
  EXPECT_EQ(errorOf("underflow.csv"),
    "underflow.csv, line 3: column \"A\": the number \"1e-400\" is out of range.");
}

TEST(CsvReading, MessagesQuoteAtMostAboutEightyCharactersOfACell)
{
  EXPECT_EQ(errorOf("long-cell.csv"),
    "long-cell.csv, line 3: column \"B\" holds numbers, but this line has \"" +
      std::string(80, 'x') + "...\".");
  // A cut never splits a character.
  const std::string accents = std::string(79, 'a') + "\xC3\xA9\xC3\xA9";
  EXPECT_EQ(CsvReader::quoted(accents), "\"" + std::string(79, 'a') + "...\"");
}
