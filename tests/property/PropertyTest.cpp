#include "property/NamedValueTranslator.h"
#include "property/PropertyInstantiations.h"
#include "tests/support/ErrorText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

class PositiveValidator : public vantor::ValidatorInterface<double>
{
public:
  vantor::ValidationResult validate(const double& value) const override
  {
    return value > 0 ? vantor::ValidationResult()
                     : vantor::ValidationResult::invalid("must be positive");
  }
};

} // namespace

TEST(Property, AnnouncesStoredValueOnceAndOnlyOnChangeAndToListenersLeft)
{
  vantor::Property<int> property(3);
  std::vector<std::string> calls;
  auto changed = property.signalPropertyChanged.connect([&] { calls.push_back("changed"); });
  property.signalValueChanged.connect(
    [&](const int& v) {
      calls.push_back("value " + std::to_string(v) + " reads " + std::to_string(property.value()));
    });

  property = 3;
  EXPECT_TRUE(calls.empty());
  property.setValue(7);
  EXPECT_EQ(calls, (std::vector<std::string>{ "changed", "value 7 reads 7" }));
  EXPECT_EQ(static_cast<int>(property), 7);
  changed.disconnect();
  property = 8;
  EXPECT_EQ(calls.back(), "value 8 reads 8");
  EXPECT_EQ(calls.size(), 3u);
}

TEST(Property, RejectedValuesKeepTheOldValueAndEmitNothing)
{
  auto validator = boost::make_shared<PositiveValidator>();
  EXPECT_THROW(vantor::Property<double>(-1.0, validator), vantor::InvalidPropertyValueException);

  vantor::Property<double> property(2.0, validator);
  int calls = 0;
  property.signalValueChanged.connect([&](const double&) { ++calls; });
  EXPECT_EQ(
    testsupport::errorOf<vantor::InvalidPropertyValueException>([&] { property.setValue(-5.0); }),
    "must be positive");
  EXPECT_EQ(property.value(), 2.0);
  EXPECT_EQ(calls, 0);

  vantor::Property<double> unchecked(-1.0);
  EXPECT_EQ(unchecked.value(), -1.0) << "a value given without a validator is stored as is";
}

TEST(Property, AssignmentFromAnotherPropertyCopiesOnlyTheValue)
{
  vantor::Property<double> target(1.0, boost::make_shared<PositiveValidator>());
  vantor::Property<double> source(-3.0);
  EXPECT_THROW(target = source, vantor::InvalidPropertyValueException);
  source = 4.0;
  target = source;
  EXPECT_EQ(target.value(), 4.0);
  source = 5.0;
  EXPECT_EQ(target.value(), 4.0);
}

TEST(NamedValueTranslator, MapsBothWaysAndRejectsUnknownKeys)
{
  NamedValueTranslator<Coloring_e> names;
  names.add("SolidColor", SolidColor).add("ByVariable", ByVariable);
  EXPECT_EQ(names.toName(ByVariable), "ByVariable");
  EXPECT_EQ(names.toValue("SolidColor"), SolidColor);
  EXPECT_THROW(names.toValue("ByRules"), std::out_of_range);
  EXPECT_THROW(names.toName(ByRules), std::out_of_range);
  EXPECT_THROW(names.add("Other", SolidColor), std::logic_error);
}
