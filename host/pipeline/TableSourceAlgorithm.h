#pragma once

#include <boost/function.hpp>
#include <vtkTableAlgorithm.h>

class vtkTable;

/// A table algorithm without inputs whose output is filled by its owner: the pipeline's
/// outputs are built from state the pipeline keeps, not from an upstream algorithm.
class TableSourceAlgorithm : public vtkTableAlgorithm
{
public:
  vtkTypeMacro(TableSourceAlgorithm, vtkTableAlgorithm);
  static TableSourceAlgorithm* New();

  void setFill(boost::function<void(vtkTable&)> fill) { m_fill = std::move(fill); }

protected:
  TableSourceAlgorithm();
  ~TableSourceAlgorithm() override = default;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  boost::function<void(vtkTable&)> m_fill;

  TableSourceAlgorithm(const TableSourceAlgorithm&) = delete;
  void operator=(const TableSourceAlgorithm&) = delete;
};
