#include "host/common/Variant.h"
#include "host/common/NumericPredicates.h"
#include "host/common/VariantConversion.h"

#include <gtest/gtest.h>
#include <vtkVariant.h>

#include <cmath>
#include <limits>

TEST(Variant, ReadsTypedTextAsTheValueItMeans)
{
  struct Case
  {
    const char* text;
    Variant::Kind kind;
    double number;
  };
  const Case cases[] = {
    { "NaN", Variant::Kind::NaN, NAN },
    { " nan ", Variant::Kind::NaN, NAN },
    { "-NAN", Variant::Kind::NaN, NAN },
    { "null", Variant::Kind::Null, NAN },
    { "42", Variant::Kind::Integer, 42 },
    { " -7 ", Variant::Kind::Integer, -7 },
    { "2.5e3", Variant::Kind::Real, 2500 },
    { ".5", Variant::Kind::Real, 0.5 },
    { "1e", Variant::Kind::Text, NAN },
    { "3+", Variant::Kind::Text, NAN },
    { "0x10", Variant::Kind::Text, NAN },
    { "inf", Variant::Kind::Real, INFINITY },
    { "1e999", Variant::Kind::Text, NAN },
    { "9223372036854775808", Variant::Kind::Real, 9223372036854775808.0 },
    { "steel", Variant::Kind::Text, NAN },
    { "", Variant::Kind::Text, NAN },
  };
  for (const Case& c : cases)
  {
    const Variant value = Variant::fromText(c.text);
    EXPECT_EQ(value.kind(), c.kind) << c.text;
    if (std::isnan(c.number))
      EXPECT_TRUE(std::isnan(value.doubleValue())) << c.text;
    else
      EXPECT_EQ(value.doubleValue(), c.number) << c.text;
  }
}

TEST(Variant, ConvertsBetweenKindsAndWritesTextThatReadsBackExactly)
{
  EXPECT_EQ(Variant(2.5).longValue(), 3);
  EXPECT_EQ(Variant(-2.5).longValue(), -3);
  EXPECT_EQ(Variant::nan().longValue(), 0);
  EXPECT_EQ(Variant("12").longValue(), 12);
  EXPECT_TRUE(Variant(std::numeric_limits<double>::quiet_NaN()).isNaN());

  EXPECT_EQ(Variant(0.1).toString(), "0.1");
  EXPECT_EQ(Variant(int64_t(-5)).toString(), "-5");
  EXPECT_EQ(Variant::null().toString(), "NULL");
  EXPECT_EQ(Variant::nan().toString(), "NaN");
  for (double value : { 1.0 / 3.0, 1e-300, 123456789.123456789, -0.0 })
    EXPECT_EQ(Variant::fromText(Variant(value).toString()).doubleValue(), value);

  EXPECT_EQ(Variant(1), Variant(int64_t(1)));
  EXPECT_NE(Variant(1), Variant(1.0));
  EXPECT_EQ(Variant::nan(), Variant::nan());
  EXPECT_NE(Variant::nan(), Variant::null());
  EXPECT_NE(Variant("a"), Variant("b"));
}

TEST(NumericPredicates, RecogniseTheSpecialValuesAsTypedAndWholeNumbersOnly)
{
  EXPECT_TRUE(isNanNumericInputValue(std::string(" NaN")));
  EXPECT_TRUE(isNanNumericInputValue(QString("nan ")));
  EXPECT_FALSE(isNanNumericInputValue(std::string("nano")));
  EXPECT_TRUE(isNullInputValue(QString("Null")));
  EXPECT_FALSE(isNullInputValue(std::string("")));
  EXPECT_TRUE(isNanNumericValue(std::nan("")));
  EXPECT_FALSE(isNanNumericValue(1.0));
  EXPECT_TRUE(isCompleteNumber("1e5"));
  EXPECT_FALSE(isCompleteNumber("1e"));
  EXPECT_FALSE(isCompleteNumber("1e+"));
  EXPECT_FALSE(isCompleteNumber("5-"));
}

TEST(VariantConversion, MapsVtkVariantsBothWays)
{
  EXPECT_TRUE(toVariant(vtkVariant(), false).isNull());
  EXPECT_TRUE(toVariant(vtkVariant(std::nan("")), false).isNaN());
  EXPECT_EQ(toVariant(vtkVariant(7), false), Variant(7));
  EXPECT_EQ(toVariant(vtkVariant(1.5f), false), Variant(1.5));
  EXPECT_EQ(toVariant(vtkVariant("3.5"), false), Variant("3.5"));
  EXPECT_EQ(toVariant(vtkVariant("3.5"), true), Variant(3.5));
  EXPECT_TRUE(toVariant(vtkVariant("NULL"), true).isNull());
  EXPECT_EQ(toVariant(vtkVariant(static_cast<unsigned long long>(9)), false), Variant(9));

  EXPECT_FALSE(toVtkVariant(Variant::null()).IsValid());
  EXPECT_TRUE(std::isnan(toVtkVariant(Variant::nan()).ToDouble()));
  for (const Variant& value : { Variant(3), Variant(2.25), Variant("text") })
    EXPECT_EQ(toVariant(toVtkVariant(value), false), value);
}
