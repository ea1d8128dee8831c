#pragma once

#include "analyzer/dataviews/line/PlotBuilderAbstract.h"

/// The plots of the cases: lines, or points where lines are off or a group has one case.
class RawDataPlotBuilder : public PlotBuilderAbstract
{
public:
  RawDataPlotBuilder(vtkSmartPointer<vtkAlgorithm> source,
    boost::shared_ptr<LineStyleAssignerInterface> colorAssigner);
  ~RawDataPlotBuilder() override;

  virtual PropertyPtr<bool> showLines();

protected:
  vtkSmartPointer<vtkPlot> createPlot(vtkTable& group) override;

private:
  PropertyPtr<bool> m_showLines;
};
