#include "host/common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumberText, RealNumbersFollowOneRuleForInfinityAndRange)
{
  struct Case
  {
    const char* text;
    NumberTextStatus status;
    double value;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
    { " 2.5e3 ", NumberTextStatus::Ok, 2500 },
    { "-0.0", NumberTextStatus::Ok, 0 },
    { "0e-999", NumberTextStatus::Ok, 0 },
    { "4.9e-324", NumberTextStatus::Ok, 4.9e-324 },
    { "inf", NumberTextStatus::Ok, inf },
    { "-Infinity", NumberTextStatus::Ok, -inf },
    { "+INF", NumberTextStatus::Ok, inf },
    { "1e999", NumberTextStatus::OutOfRange, 0 },
    { "-1e999", NumberTextStatus::OutOfRange, 0 },
    { "1e-400", NumberTextStatus::OutOfRange, 0 },
    { "nan", NumberTextStatus::NotANumber, 0 },
    { "0x10", NumberTextStatus::NotANumber, 0 },
    { "1e", NumberTextStatus::NotANumber, 0 },
    { "3+", NumberTextStatus::NotANumber, 0 },
    { "infinite", NumberTextStatus::NotANumber, 0 },
    { "", NumberTextStatus::NotANumber, 0 },
  };
  for (const Case& c : cases)
  {
    double value = 0;
    EXPECT_EQ(parseRealNumber(c.text, value), c.status) << c.text;
    if (c.status == NumberTextStatus::Ok)
    {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(NumberText, WholeNumbersAndCaseIdsAreExact)
{
  int64_t whole = 0;
  EXPECT_EQ(parseWholeNumber("8.5", whole), NumberTextStatus::NotANumber);
  ASSERT_EQ(parseWholeNumber("8.0", whole), NumberTextStatus::Ok);
  EXPECT_EQ(whole, 8);
  ASSERT_EQ(parseWholeNumber("1e3", whole), NumberTextStatus::Ok);
  EXPECT_EQ(whole, 1000);
  ASSERT_EQ(parseWholeNumber("-9223372036854775808", whole), NumberTextStatus::Ok);
  EXPECT_EQ(whole, std::numeric_limits<int64_t>::min());
  EXPECT_EQ(parseWholeNumber("9223372036854775808", whole), NumberTextStatus::OutOfRange);
  EXPECT_EQ(parseWholeNumber("1e300", whole), NumberTextStatus::OutOfRange);
  EXPECT_EQ(parseWholeNumber("inf", whole), NumberTextStatus::OutOfRange);

  uint64_t id = 0;
  ASSERT_EQ(parseCaseId("18446744073709551615", id), NumberTextStatus::Ok);
  EXPECT_EQ(id, std::numeric_limits<uint64_t>::max());
  ASSERT_EQ(parseCaseId("+9007199254740993", id), NumberTextStatus::Ok);
  EXPECT_EQ(id, 9007199254740993ull);
  EXPECT_EQ(parseCaseId("18446744073709551616", id), NumberTextStatus::OutOfRange);
  EXPECT_EQ(parseCaseId("-1", id), NumberTextStatus::NotANumber);
  EXPECT_EQ(parseCaseId("1.0", id), NumberTextStatus::NotANumber);
}
