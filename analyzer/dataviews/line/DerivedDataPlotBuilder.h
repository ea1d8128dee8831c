#pragma once

#include "analyzer/dataviews/line/PlotBuilderAbstract.h"

/// The plots of surrogate-model predictions: dashed lines, with a few markers each while
/// symbols are grouped by data.
class DerivedDataPlotBuilder : public PlotBuilderAbstract
{
public:
  DerivedDataPlotBuilder(vtkSmartPointer<vtkAlgorithm> source,
    boost::shared_ptr<LineStyleAssignerInterface> colorAssigner);
  ~DerivedDataPlotBuilder() override;

protected:
  vtkSmartPointer<vtkPlot> createPlot(vtkTable& group) override;
};
