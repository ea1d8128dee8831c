#include "apps/explorer/CommandLine.h"
#include "tests/support/ErrorText.h"

#include <gtest/gtest.h>

namespace
{

std::string errorOf(const QStringList& arguments)
{
  return testsupport::errorOf<CommandLineError>(
    [&] { CommandLine::parse(QStringList{ "explorer" } + arguments); });
}

} // namespace

TEST(CommandLine, CaseIdsRangesAndSizes)
{
  EXPECT_EQ(CommandLine::parseCaseIds("3,7,10-12"), (std::set<uint64_t>{ 3, 7, 10, 11, 12 }));
  EXPECT_EQ(CommandLine::parseCaseIds(" 5 , 5-6 ,1"), (std::set<uint64_t>{ 1, 5, 6 }));
  EXPECT_EQ(CommandLine::parseCaseIds("18446744073709551615"),
    (std::set<uint64_t>{ 18446744073709551615ull }));
  EXPECT_EQ(CommandLine::parseCaseIds("18446744073709551614-18446744073709551615").size(), 2u)
    << "a range ending at the largest id stops there";

  for (const char* bad : { "", "1,,2", "a", "-3", "+4", "5-3", "1-2-3", "1-", "0-99999999999" })
    EXPECT_THROW(CommandLine::parseCaseIds(bad), CommandLineError) << bad;

  EXPECT_EQ(CommandLine::parseSize("1024x768"), QSize(1024, 768));
  EXPECT_EQ(CommandLine::parseSize(" 640 X 480 "), QSize(640, 480));
  for (const char* bad : { "0x5", "100", "axb", "99999x1", "16385x10", "-5x5", "10x10x10" })
    EXPECT_THROW(CommandLine::parseSize(bad), CommandLineError) << bad;
}

TEST(CommandLine, MistakesInOptions)
{
  EXPECT_TRUE(CommandLine::parse({ "explorer", "--sample", "--help" }).showHelp);

  EXPECT_NE(errorOf({ "--add", "pie" }).find("table, selected-cases, scatter3d"), std::string::npos)
    << "an unknown kind lists the kinds";
  EXPECT_EQ(errorOf({ "--select", "4-2" }), "--select: The range \"4-2\" ends before it starts.");
  EXPECT_EQ(errorOf({ "--size", "big" }).rfind("--size: ", 0), 0u);
  EXPECT_FALSE(errorOf({ "--project", "a.csv", "--sample" }).empty());
  EXPECT_FALSE(errorOf({ "cases.csv" }).empty());
  EXPECT_FALSE(errorOf({ "--frobnicate" }).empty());
  EXPECT_FALSE(errorOf({ "--export" }).empty());

  EXPECT_EQ(
    CommandLine::parse({ "explorer", "--project", "a.CSV", "--skip-lines", "2" }).skipLines, 2);
  EXPECT_EQ(errorOf({ "--project", "a.csv", "--skip-lines", "-1" }),
    "--skip-lines: \"-1\" is not a number of lines from 0 to 1000000.");
  EXPECT_EQ(errorOf({ "--project", "p.xml", "--skip-lines", "1" }),
    "--skip-lines applies to a CSV file opened with --project FILE.csv.");
}
