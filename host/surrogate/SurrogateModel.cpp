#include "host/surrogate/SurrogateModel.h"

#include "host/surrogate/SurrogateModelError.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

using Eigen::MatrixXd;
using Eigen::VectorXd;

/// Below this reciprocal condition number the interpolation loses too many digits to trust.
constexpr double minimumReciprocalCondition = 1e-13;

std::string quoted(const std::string& name)
{
  return "\"" + name + "\"";
}

std::size_t quadraticTermCount(std::size_t inputs)
{
  return (inputs + 1) * (inputs + 2) / 2;
}

/// 1, u_1 .. u_d, then u_i * u_j for i <= j.
void quadraticTerms(const double* u, std::size_t d, double* terms)
{
  std::size_t t = 0;
  terms[t++] = 1.0;
  for (std::size_t i = 0; i < d; ++i)
    terms[t++] = u[i];
  for (std::size_t i = 0; i < d; ++i)
    for (std::size_t j = i; j < d; ++j)
      terms[t++] = u[i] * u[j];
}

double relativeRms(const VectorXd& errors, const VectorXd& outputs)
{
  const double rms = std::sqrt(errors.squaredNorm() / static_cast<double>(errors.size()));
  const double range = outputs.maxCoeff() - outputs.minCoeff();
  if (range > 0.0)
    return rms / range;
  return rms == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
}

} // namespace

struct SurrogateModel::Impl
{
  Kind kind = Kind::RadialBasisFunction;
  std::string fallbackReason;
  std::string outputName;
  std::size_t d = 0;
  std::size_t n = 0;
  VectorXd lower;
  VectorXd scale;
  /// Normalised cases, one column each.
  MatrixXd centres;
  VectorXd outputs;
  /// Radial weights (one per case) then the polynomial tail; or the quadratic coefficients.
  VectorXd coefficients;

  Eigen::PartialPivLU<MatrixXd> interpolationSystem;
  MatrixXd design;
  Eigen::ColPivHouseholderQR<MatrixXd> leastSquares;

  mutable bool crossValidated = false;
  mutable double crossValidatedError = 0.0;

  void normalise(const SurrogateModelSamples& samples);
  void normalisePoint(const double* point, double* u) const;
  bool fitRadialBasis();
  void requireAffinelyIndependentInputs() const;
  void fitQuadratic();
  double predictNormalised(const double* u) const;
  VectorXd leaveOneOutErrors() const;
};

void SurrogateModel::Impl::normalise(const SurrogateModelSamples& samples)
{
  const Eigen::Map<const MatrixXd> raw(
    samples.inputs.data(), static_cast<Eigen::Index>(d), static_cast<Eigen::Index>(n));
  lower = raw.rowwise().minCoeff();
  const VectorXd upper = raw.rowwise().maxCoeff();
  scale.resize(static_cast<Eigen::Index>(d));
  for (std::size_t k = 0; k < d; ++k)
  {
    const auto i = static_cast<Eigen::Index>(k);
    if (!(upper(i) > lower(i)))
      throw SurrogateModelError(quoted(samples.inputNames[k]) +
                                " does not vary over the cases of " + quoted(outputName) +
                                ", so no surrogate model can tell its effect.");
    scale(i) = 1.0 / (upper(i) - lower(i));
  }
  centres = (raw.colwise() - lower).array().colwise() * scale.array();
}

void SurrogateModel::Impl::normalisePoint(const double* point, double* u) const
{
  for (std::size_t k = 0; k < d; ++k)
  {
    const auto i = static_cast<Eigen::Index>(k);
    u[k] = (point[k] - lower(i)) * scale(i);
  }
}

bool SurrogateModel::Impl::fitRadialBasis()
{
  const auto cases = static_cast<Eigen::Index>(n);
  const auto size = cases + static_cast<Eigen::Index>(d) + 1;
  MatrixXd system = MatrixXd::Zero(size, size);
  for (Eigen::Index j = 0; j < cases; ++j)
  {
    for (Eigen::Index i = j + 1; i < cases; ++i)
    {
      const double r = (centres.col(i) - centres.col(j)).norm();
      system(i, j) = system(j, i) = r * r * r;
    }
    system(j, cases) = system(cases, j) = 1.0;
    for (Eigen::Index k = 0; k < static_cast<Eigen::Index>(d); ++k)
      system(j, cases + 1 + k) = system(cases + 1 + k, j) = centres(k, j);
  }
  interpolationSystem.compute(system);
  VectorXd rhs = VectorXd::Zero(size);
  rhs.head(cases) = outputs;
  if (interpolationSystem.rcond() >= minimumReciprocalCondition)
  {
    coefficients = interpolationSystem.solve(rhs);
    if (coefficients.allFinite())
      return true;
  }
  interpolationSystem = Eigen::PartialPivLU<MatrixXd>();
  fallbackReason = "the interpolation system is ill-conditioned (cases repeat or nearly repeat)";
  return false;
}

void SurrogateModel::Impl::requireAffinelyIndependentInputs() const
{
  MatrixXd linear(static_cast<Eigen::Index>(n), static_cast<Eigen::Index>(d) + 1);
  linear.col(0).setOnes();
  linear.rightCols(static_cast<Eigen::Index>(d)) = centres.transpose();
  if (Eigen::ColPivHouseholderQR<MatrixXd>(linear).rank() <= static_cast<Eigen::Index>(d))
    throw SurrogateModelError("The cases of " + quoted(outputName) +
                              " do not determine a surrogate model: the system is singular "
                              "(the inputs vary together, so their effects cannot be told apart).");
}

void SurrogateModel::Impl::fitQuadratic()
{
  kind = Kind::QuadraticResponseSurface;
  const std::size_t terms = quadraticTermCount(d);
  if (n < terms)
    throw SurrogateModelError(
      "The cases of " + quoted(outputName) +
      " do not determine a surrogate model: " + fallbackReason + ", and " + std::to_string(n) +
      " cases are too few for a quadratic response "
      "surface over " +
      std::to_string(d) + " inputs, which needs " + std::to_string(terms) + ".");
  design.resize(static_cast<Eigen::Index>(n), static_cast<Eigen::Index>(terms));
  std::vector<double> row(terms);
  for (Eigen::Index c = 0; c < static_cast<Eigen::Index>(n); ++c)
  {
    quadraticTerms(centres.col(c).data(), d, row.data());
    for (std::size_t t = 0; t < terms; ++t)
      design(c, static_cast<Eigen::Index>(t)) = row[t];
  }
  leastSquares.compute(design);
  if (leastSquares.rank() < static_cast<Eigen::Index>(terms))
    throw SurrogateModelError("The cases of " + quoted(outputName) +
                              " do not determine a surrogate model: the system is singular "
                              "(cases repeat, or inputs vary together).");
  coefficients = leastSquares.solve(outputs);
}

double SurrogateModel::Impl::predictNormalised(const double* u) const
{
  if (kind == Kind::QuadraticResponseSurface)
  {
    double sum = 0.0;
    std::size_t t = 0;
    sum += coefficients(0);
    for (std::size_t i = 0; i < d; ++i)
      sum += coefficients(static_cast<Eigen::Index>(++t)) * u[i];
    for (std::size_t i = 0; i < d; ++i)
      for (std::size_t j = i; j < d; ++j)
        sum += coefficients(static_cast<Eigen::Index>(++t)) * u[i] * u[j];
    return sum;
  }
  const auto cases = static_cast<Eigen::Index>(n);
  double sum = coefficients(cases);
  for (std::size_t k = 0; k < d; ++k)
    sum += coefficients(cases + 1 + static_cast<Eigen::Index>(k)) * u[k];
  const double* centre = centres.data();
  const double* weight = coefficients.data();
  for (std::size_t c = 0; c < n; ++c, centre += d)
  {
    double squared = 0.0;
    for (std::size_t k = 0; k < d; ++k)
    {
      const double delta = centre[k] - u[k];
      squared += delta * delta;
    }
    sum += weight[c] * squared * std::sqrt(squared);
  }
  return sum;
}

VectorXd SurrogateModel::Impl::leaveOneOutErrors() const
{
  const auto cases = static_cast<Eigen::Index>(n);
  if (kind == Kind::RadialBasisFunction)
  {
    // For an interpolant the error of leaving case i out is its weight over the i-th diagonal
    // element of the inverse system, so no refit is needed.
    const VectorXd inverseDiagonal = interpolationSystem.inverse().diagonal();
    return coefficients.head(cases).cwiseQuotient(inverseDiagonal.head(cases));
  }
  // For least squares the left-out residual is the residual over one minus the leverage.
  const MatrixXd q = leastSquares.householderQ() * MatrixXd::Identity(cases, design.cols());
  const VectorXd leverage = q.rowwise().squaredNorm();
  const VectorXd residuals = outputs - design * coefficients;
  return residuals.array() / (1.0 - leverage.array()).max(1e-12);
}

SurrogateModel::SurrogateModel(const SurrogateModelSamples& samples)
  : m_impl(std::make_unique<Impl>())
{
  Impl& impl = *m_impl;
  impl.outputName = samples.outputName;
  impl.d = samples.inputCount();
  impl.n = samples.caseCount();
  if (impl.n == 0)
    throw SurrogateModelError(quoted(samples.outputName) +
                              " has no cases with values of it and of every input to fit a "
                              "surrogate model to.");
  if (impl.n < minimumCases(impl.d))
    throw SurrogateModelError(
      "Too few cases for a surrogate model of " + quoted(samples.outputName) + ": " +
      std::to_string(impl.n) + " cases have values of it and of all " + std::to_string(impl.d) +
      " inputs; at least " + std::to_string(minimumCases(impl.d)) + " are needed.");
  impl.normalise(samples);
  impl.requireAffinelyIndependentInputs();
  impl.outputs =
    Eigen::Map<const VectorXd>(samples.outputs.data(), static_cast<Eigen::Index>(impl.n));
  if (impl.n > maxInterpolatedCases)
    impl.fallbackReason =
      "more than " + std::to_string(maxInterpolatedCases) + " cases make interpolation too slow";
  else if (impl.fitRadialBasis())
    return;
  impl.fitQuadratic();
}

SurrogateModel::~SurrogateModel() = default;

SurrogateModel::Kind SurrogateModel::kind() const
{
  return m_impl->kind;
}

std::string SurrogateModel::kindText() const
{
  return kind() == Kind::RadialBasisFunction ? "Radial basis function"
                                             : "Quadratic response surface";
}

const std::string& SurrogateModel::fallbackReason() const
{
  return m_impl->fallbackReason;
}

std::size_t SurrogateModel::caseCount() const
{
  return m_impl->n;
}

std::size_t SurrogateModel::inputCount() const
{
  return m_impl->d;
}

double SurrogateModel::predict(const double* point) const
{
  std::vector<double> u(m_impl->d);
  m_impl->normalisePoint(point, u.data());
  return m_impl->predictNormalised(u.data());
}

std::vector<double> SurrogateModel::predict(const std::vector<double>& points) const
{
  const std::size_t d = m_impl->d;
  const std::size_t count = d == 0 ? 0 : points.size() / d;
  std::vector<double> values(count);
  std::vector<double> u(d);
  for (std::size_t p = 0; p < count; ++p)
  {
    m_impl->normalisePoint(points.data() + p * d, u.data());
    values[p] = m_impl->predictNormalised(u.data());
  }
  return values;
}

double SurrogateModel::crossValidatedError() const
{
  if (!m_impl->crossValidated)
  {
    m_impl->crossValidatedError = relativeRms(m_impl->leaveOneOutErrors(), m_impl->outputs);
    m_impl->crossValidated = true;
  }
  return m_impl->crossValidatedError;
}
