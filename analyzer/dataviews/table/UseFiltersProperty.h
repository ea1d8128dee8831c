#pragma once

#include "property/PropertyAbstract.h"

#include <vtkSmartPointer.h>

class vtkAlgorithm;
class vtkTableAlgorithm;

/// Whether a table shows the filtered or the unfiltered pipeline output: the value is the
/// target's input connection itself, so it cannot disagree with what the table shows.
class UseFiltersProperty : public vantor::PropertyAbstract<bool>
{
public:
  UseFiltersProperty(vtkSmartPointer<vtkAlgorithm> target,
    vtkSmartPointer<vtkTableAlgorithm> filtered,
    vtkSmartPointer<vtkTableAlgorithm> unfiltered);

protected:
  void storeValue(const bool& useFilters) override;

private:
  bool retrieveValue() const override;

  vtkSmartPointer<vtkAlgorithm> m_target;
  vtkSmartPointer<vtkTableAlgorithm> m_filtered;
  vtkSmartPointer<vtkTableAlgorithm> m_unfiltered;
};
