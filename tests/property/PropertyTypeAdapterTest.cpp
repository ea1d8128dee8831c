#include "property/PropertyInstantiations.h"
#include "tests/support/ErrorText.h"

#include <gtest/gtest.h>

namespace
{

class NoRulesValidator : public vantor::ValidatorInterface<Coloring_e>
{
public:
  vantor::ValidationResult validate(const Coloring_e& value) const override
  {
    return value == ByRules ? vantor::ValidationResult::invalid("rules unsupported")
                            : vantor::ValidationResult();
  }
};

using Adapter = vantor::PropertyTypeAdapter<bool, Coloring_e>;

} // namespace

TEST(PropertyTypeAdapter, ReadsWritesAndAnnouncesThroughTheWrappedProperty)
{
  auto coloring = boost::make_shared<vantor::Property<Coloring_e>>(SolidColor);
  Adapter byVariable(
    coloring,
    [](const Coloring_e& c) { return c == ByVariable; },
    [](const bool& b) { return b ? ByVariable : SolidColor; });
  int announced = 0;
  byVariable.signalValueChanged.connect([&](const bool&) { ++announced; });

  byVariable.setValue(true);
  EXPECT_EQ(coloring->value(), ByVariable);
  EXPECT_EQ(announced, 1);
  coloring->setValue(SolidColor);
  EXPECT_FALSE(byVariable.value());
  EXPECT_EQ(announced, 2);
}

TEST(PropertyTypeAdapter, FailuresBecomeInvalidValue)
{
  auto coloring = boost::make_shared<vantor::Property<Coloring_e>>(
    SolidColor, boost::make_shared<NoRulesValidator>());
  Adapter toRules(
    coloring,
    [](const Coloring_e& c) { return c == ByRules; },
    [](const bool& b) { return b ? ByRules : SolidColor; });
  EXPECT_EQ(
    testsupport::errorOf<vantor::InvalidPropertyValueException>([&] { toRules.setValue(true); }),
    "Invalid value.")
    << "the wrapped validator is not bypassed";
  EXPECT_EQ(coloring->value(), SolidColor);

  Adapter noConversion(
    coloring, Adapter::ToAdapted([](const Coloring_e&) { return false; }), Adapter::ToWrapped());
  EXPECT_THROW(noConversion.setValue(true), vantor::InvalidPropertyValueException);
}
