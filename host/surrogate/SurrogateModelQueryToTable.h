#pragma once

#include <boost/shared_ptr.hpp>
#include <memory>
#include <string>
#include <vtkTableAlgorithm.h>

class InterpolationVariablesInterface;
class SurrogateModelManagerInterface;

/// The predictions of the surrogate models at the samples a plot asks for, as a table with the
/// pipeline's column names: "Case ID" first (0 in every row: predictions are no cases), then
/// one real column per numeric project variable in project order: the sampled values of the
/// inputs, the predictions of the outputs, NaN for every other variable. The samples are every
/// combination of the input values, the later input in project order varying fastest.
/// It re-executes only when the models or the sampled values actually change.
class SurrogateModelQueryToTable : public vtkTableAlgorithm
{
public:
  // Needs its manager and plot, so there is no New() without arguments for VTK to call.
  vtkAbstractTypeMacro(SurrogateModelQueryToTable, vtkTableAlgorithm);
  static SurrogateModelQueryToTable* New(
    boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    boost::shared_ptr<const InterpolationVariablesInterface> interpolationVariables);

  /// Beyond this many samples a query is refused rather than exhausting memory.
  static constexpr vtkIdType maxSamples = 4000000;

  /// Why the last execution could not predict what the plot shows; empty when it could. Only
  /// the outputs on the plot's axes count (every output when the plot shows none).
  const std::string& getLastError() const;

protected:
  SurrogateModelQueryToTable(boost::shared_ptr<const SurrogateModelManagerInterface> manager,
    boost::shared_ptr<const InterpolationVariablesInterface> interpolationVariables);
  ~SurrogateModelQueryToTable() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;
  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;

  SurrogateModelQueryToTable(const SurrogateModelQueryToTable&) = delete;
  void operator=(const SurrogateModelQueryToTable&) = delete;
};
