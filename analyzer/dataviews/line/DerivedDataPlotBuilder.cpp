#include "analyzer/dataviews/line/DerivedDataPlotBuilder.h"

#include "analyzer/dataviews/line/SparseLabelsLinePlot.h"

#include <vtkPlotLine.h>

DerivedDataPlotBuilder::DerivedDataPlotBuilder(vtkSmartPointer<vtkAlgorithm> source,
  boost::shared_ptr<LineStyleAssignerInterface> colorAssigner)
  : PlotBuilderAbstract(std::move(source), std::move(colorAssigner))
{
  lineType()->setValue(Dashed);
}

DerivedDataPlotBuilder::~DerivedDataPlotBuilder() = default;

vtkSmartPointer<vtkPlot> DerivedDataPlotBuilder::createPlot(vtkTable&)
{
  if (symbolByData()->value())
    return vtkSmartPointer<SparseLabelsLinePlot>::New();
  return vtkSmartPointer<vtkPlotLine>::New();
}
