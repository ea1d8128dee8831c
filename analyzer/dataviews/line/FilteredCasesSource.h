#pragma once

#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <vtkTableAlgorithm.h>

class DataPipelineManagerInterface;

/// The pipeline's filtered cases as the first stage of a line plot's tables, read again only
/// when the pipeline announces changed data. A selection change marks the pipeline's outputs
/// modified too (views that draw the selection mask read it from them); here it runs none of
/// the line's table stages, and the mask column is left out of the table.
class FilteredCasesSource : public vtkTableAlgorithm
{
public:
  static FilteredCasesSource* New();
  vtkTypeMacro(FilteredCasesSource, vtkTableAlgorithm);

  void setPipeline(boost::shared_ptr<const DataPipelineManagerInterface> pipeline);

protected:
  FilteredCasesSource();
  ~FilteredCasesSource() override;

  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  boost::shared_ptr<const DataPipelineManagerInterface> m_pipeline;
  boost::signals2::scoped_connection m_dataChanged;

  FilteredCasesSource(const FilteredCasesSource&) = delete;
  void operator=(const FilteredCasesSource&) = delete;
};
