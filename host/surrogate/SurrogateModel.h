#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

/// The cases one surrogate model is fitted to: for each case the values of the inputs (row by
/// row) and of the output.
struct SurrogateModelSamples
{
  std::vector<std::string> inputNames;
  std::string outputName;
  /// Case after case, inputNames.size() values each.
  std::vector<double> inputs;
  std::vector<double> outputs;

  std::size_t inputCount() const { return inputNames.size(); }
  std::size_t caseCount() const { return outputs.size(); }
};

/// A model predicting one output from the inputs, fitted on inputs scaled to [0, 1] over the
/// cases. Up to maxInterpolatedCases cases it interpolates: a cubic radial basis function
/// (phi(r) = r^3) with a linear polynomial tail, which passes through every case and is smooth
/// between them. Above that, or when that system is ill-conditioned (repeated cases), it falls
/// back to a least-squares quadratic response surface and tells why.
class SurrogateModel
{
public:
  enum class Kind
  {
    RadialBasisFunction,
    QuadraticResponseSurface
  };

  /// Solving the interpolation system grows with the cube of the case count; above this the
  /// quadratic surface is fitted instead.
  static constexpr std::size_t maxInterpolatedCases = 2000;

  /// Throws SurrogateModelError (too few cases, an input that does not vary, a singular system).
  explicit SurrogateModel(const SurrogateModelSamples& samples);
  ~SurrogateModel();
  SurrogateModel(const SurrogateModel&) = delete;
  SurrogateModel& operator=(const SurrogateModel&) = delete;

  /// The fewest cases that fit and cross-validate a model over that many inputs.
  static std::size_t minimumCases(std::size_t inputCount) { return inputCount + 2; }

  Kind kind() const;
  /// "Radial basis function" or "Quadratic response surface".
  std::string kindText() const;
  /// Why the quadratic surface was used instead of interpolation; empty for interpolation.
  const std::string& fallbackReason() const;
  std::size_t caseCount() const;
  std::size_t inputCount() const;

  /// The prediction at one point given in the inputs' own units.
  double predict(const double* point) const;
  /// Predictions at many points, given point after point.
  std::vector<double> predict(const std::vector<double>& points) const;

  /// Leave-one-out root mean square error as a fraction of the output's range over the cases
  /// (0 for a constant output predicted exactly). Computed on the first call.
  double crossValidatedError() const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
