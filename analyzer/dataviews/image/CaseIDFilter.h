#pragma once

#include "host/core/SuspendableInterface.h"
#include "host/imagesupport/ModifiedObserver.h"

#include <cstdint>
#include <unordered_map>
#include <vector>
#include <vtkTableAlgorithm.h>

/// The rows of chosen cases, in the order chosen: one output row per case id, copied from the
/// input row with that id in column 0. A case the input does not have keeps the columns'
/// default values. It announces its input's changes as its own, unless suspended.
class CaseIDFilter
  : public vtkTableAlgorithm
  , public SuspendableInterface
{
public:
  static CaseIDFilter* New();
  vtkTypeMacro(CaseIDFilter, vtkTableAlgorithm);

  void setCaseIds(const std::vector<uint64_t>& caseIds);
  const std::vector<uint64_t>& caseIds() const { return m_caseIds; }
  /// Follows the input's changes; the input comes from this algorithm's output port.
  void setInputAlgorithm(vtkAlgorithm* input);

  void suspend() override;
  void resume() override;

protected:
  CaseIDFilter();
  ~CaseIDFilter() override;
  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  CaseIDFilter(const CaseIDFilter&) = delete;
  void operator=(const CaseIDFilter&) = delete;

  std::vector<uint64_t> m_caseIds;
  std::unordered_map<uint64_t, vtkIdType> m_positions;
  vtkAlgorithm* m_input = nullptr;
  ModifiedObserver m_inputObserver;
};
