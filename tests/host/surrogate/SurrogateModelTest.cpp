#include "host/surrogate/SurrogateModel.h"
#include "host/surrogate/SurrogateModelError.h"
#include "tests/support/ErrorText.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace
{

using Function = std::function<double(double, double)>;

double smooth(double x, double y)
{
  return std::sin(x) * std::cos(y) + 0.25 * x * y;
}

double linear(double x, double y)
{
  return 3.0 - 2.0 * x + 0.5 * y;
}

/// Cases on a scattered, low-discrepancy set over [0, 3] x [1, 4] (Halton, bases 2 and 3).
SurrogateModelSamples sampled(const Function& f, int count)
{
  SurrogateModelSamples samples;
  samples.inputNames = { "x", "y" };
  samples.outputName = "f";
  for (int i = 1; i <= count; ++i)
  {
    double x = 0.0;
    double y = 0.0;
    for (double base = 0.5, k = i; k > 0; base /= 2.0, k = std::floor(k / 2.0))
      x += base * std::fmod(k, 2.0);
    for (double base = 1.0 / 3.0, k = i; k > 0; base /= 3.0, k = std::floor(k / 3.0))
      y += base * std::fmod(k, 3.0);
    samples.inputs.insert(samples.inputs.end(), { 3.0 * x, 1.0 + 3.0 * y });
    samples.outputs.push_back(f(3.0 * x, 1.0 + 3.0 * y));
  }
  return samples;
}

/// Largest error of the model against the function on a 21 x 21 grid inside the cases' hull.
double largestError(const SurrogateModel& model, const Function& f)
{
  double largest = 0.0;
  for (int i = 0; i <= 20; ++i)
    for (int j = 0; j <= 20; ++j)
    {
      const double point[] = { 0.3 + 2.4 * i / 20.0, 1.3 + 2.4 * j / 20.0 };
      largest = std::max(largest, std::abs(model.predict(point) - f(point[0], point[1])));
    }
  return largest;
}

std::string fitError(const SurrogateModelSamples& samples)
{
  return testsupport::errorOf<SurrogateModelError>([&] { SurrogateModel model(samples); });
}

} // namespace

TEST(SurrogateModelTest, InterpolatesSmoothFunctionsCloselyAndLinearOnesExactlyWithEitherModel)
{
  const SurrogateModelSamples samples = sampled(smooth, 80);
  SurrogateModel model(samples);
  EXPECT_EQ(model.kind(), SurrogateModel::Kind::RadialBasisFunction);
  EXPECT_EQ(model.kindText(), "Radial basis function");
  EXPECT_TRUE(model.fallbackReason().empty());
  EXPECT_EQ(model.caseCount(), 80u);

  const std::vector<double> atCases = model.predict(samples.inputs);
  for (std::size_t c = 0; c < samples.caseCount(); ++c)
    EXPECT_NEAR(atCases[c], samples.outputs[c], 1e-9) << "case " << c;

  // The function spans about 3.3; between 80 scattered cases the interpolant stays within 1 %.
  EXPECT_LT(largestError(model, smooth), 0.03);
  EXPECT_GT(model.crossValidatedError(), 0.0);
  EXPECT_LT(model.crossValidatedError(), 0.02);

  // More cases, smaller errors: the fit converges rather than merely passing the cases.
  SurrogateModel denser(sampled(smooth, 320));
  EXPECT_LT(largestError(denser, smooth), largestError(model, smooth) / 2.0);
  EXPECT_LT(denser.crossValidatedError(), model.crossValidatedError());

  // Both models reproduce a linear function exactly.
  SurrogateModel interpolating(sampled(linear, 30));
  EXPECT_EQ(interpolating.kind(), SurrogateModel::Kind::RadialBasisFunction);
  EXPECT_LT(largestError(interpolating, linear), 1e-9);
  EXPECT_LT(interpolating.crossValidatedError(), 1e-9);

  const int many = static_cast<int>(SurrogateModel::maxInterpolatedCases) + 1;
  SurrogateModel large(sampled(linear, many));
  EXPECT_EQ(large.kind(), SurrogateModel::Kind::QuadraticResponseSurface);
  EXPECT_EQ(large.kindText(), "Quadratic response surface");
  EXPECT_NE(large.fallbackReason().find("more than 2000 cases"), std::string::npos);
  EXPECT_LT(largestError(large, linear), 1e-9);
  EXPECT_LT(large.crossValidatedError(), 1e-9);

  // A repeated case makes the interpolation system singular; the surface fits anyway.
  SurrogateModelSamples repeated = sampled(linear, 30);
  repeated.inputs.insert(repeated.inputs.end(), { repeated.inputs[0], repeated.inputs[1] });
  repeated.outputs.push_back(repeated.outputs[0]);
  SurrogateModel fallback(repeated);
  EXPECT_EQ(fallback.kind(), SurrogateModel::Kind::QuadraticResponseSurface);
  EXPECT_NE(fallback.fallbackReason().find("ill-conditioned"), std::string::npos);
  EXPECT_LT(largestError(fallback, linear), 1e-9);
}

TEST(SurrogateModelTest, QuadraticSurfaceFitsNoisyCasesInLeastSquares)
{
  SurrogateModelSamples samples = sampled([](double x, double y) { return x * x - x * y; }, 2500);
  for (std::size_t c = 0; c < samples.caseCount(); ++c)
    samples.outputs[c] += (c % 2 ? 0.01 : -0.01);
  SurrogateModel model(samples);
  ASSERT_EQ(model.kind(), SurrogateModel::Kind::QuadraticResponseSurface);
  const double point[] = { 1.5, 2.0 };
  EXPECT_NEAR(model.predict(point), 2.25 - 3.0, 1e-3);
  // The noise of +-0.01 over a range of about 10 shows as a leave-one-out error near 0.1 %.
  EXPECT_GT(model.crossValidatedError(), 0.0005);
  EXPECT_LT(model.crossValidatedError(), 0.002);
}

TEST(SurrogateModelTest, UnfittableCasesGiveReadableErrors)
{
  SurrogateModelSamples none;
  none.inputNames = { "x", "y" };
  none.outputName = "Mass";
  EXPECT_EQ(fitError(none),
    "\"Mass\" has no cases with values of it and of every input to fit a surrogate model to.");

  SurrogateModelSamples three = sampled(smooth, 3);
  EXPECT_EQ(fitError(three),
    "Too few cases for a surrogate model of \"f\": 3 cases have values of it and of all 2 "
    "inputs; at least 4 are needed.");
  EXPECT_TRUE(fitError(sampled(smooth, 4)).empty());

  SurrogateModelSamples constant = sampled(smooth, 10);
  for (std::size_t c = 0; c < constant.caseCount(); ++c)
    constant.inputs[2 * c + 1] = 7.0;
  EXPECT_EQ(fitError(constant),
    "\"y\" does not vary over the cases of \"f\", so no surrogate model can tell its effect.");

  // Inputs that move together leave the linear tail undetermined, and a quadratic as well.
  SurrogateModelSamples together = sampled(smooth, 12);
  for (std::size_t c = 0; c < together.caseCount(); ++c)
    together.inputs[2 * c + 1] = 2.0 * together.inputs[2 * c];
  const std::string singular = fitError(together);
  EXPECT_NE(singular.find("do not determine a surrogate model"), std::string::npos) << singular;
  EXPECT_NE(singular.find("singular"), std::string::npos) << singular;
}
