#pragma once

#include "host/surrogate/SurrogateModelUserDistCollection.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <vtkTableToStructuredGrid.h>

class InterpolationVariablesInterface;
class SurrogateModelManagerInterface;

/// Turns the surrogate query's table into the structured grid of the surface: the grid is as
/// wide as the samples of the second varied input and as high as those of the first (the
/// inputs in the models' order), each counting the user's points when the value distribution
/// gives them, else the resolution. A table that does not match (a missing column, another
/// row count, a coordinate that is no number: no model) gives an empty grid; the query says why.
class TableToStructuredGridAlgorithm : public vtkTableToStructuredGrid
{
public:
  using CollectionProperty = vantor::PropertyAbstract<SurrogateModelUserDistCollection>;

  vtkTypeMacro(TableToStructuredGridAlgorithm, vtkTableToStructuredGrid);
  static TableToStructuredGridAlgorithm* New();

  void setGridVariables(boost::shared_ptr<const SurrogateModelManagerInterface> candidates,
    boost::shared_ptr<const InterpolationVariablesInterface> employed);
  void setResolution(uint32_t resolution);
  /// Not owned: the view's property outlives the algorithm.
  void setDistributionCollection(CollectionProperty* collection);

protected:
  TableToStructuredGridAlgorithm() = default;
  ~TableToStructuredGridAlgorithm() override = default;

  int RequestInformation(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;
  int RequestData(vtkInformation* request,
    vtkInformationVector** inputVector,
    vtkInformationVector* outputVector) override;

private:
  uint64_t sampleCount(const std::string& variableName) const;
  bool tableMatchesGrid(vtkInformationVector** inputVector) const;

  boost::shared_ptr<const SurrogateModelManagerInterface> m_candidates;
  boost::shared_ptr<const InterpolationVariablesInterface> m_employed;
  uint32_t m_resolution = 100;
  CollectionProperty* m_collection = nullptr;

  TableToStructuredGridAlgorithm(const TableToStructuredGridAlgorithm&) = delete;
  void operator=(const TableToStructuredGridAlgorithm&) = delete;
};
