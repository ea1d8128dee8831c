#include "analyzer/dataviews/line/RawDataPlotBuilder.h"

#include "property/Property.h"

#include <boost/make_shared.hpp>
#include <vtkPlotLine.h>
#include <vtkPlotPoints.h>
#include <vtkTable.h>

RawDataPlotBuilder::RawDataPlotBuilder(vtkSmartPointer<vtkAlgorithm> source,
  boost::shared_ptr<LineStyleAssignerInterface> colorAssigner)
  : PlotBuilderAbstract(std::move(source), std::move(colorAssigner))
  , m_showLines(boost::make_shared<vantor::Property<bool>>(true))
{
}

RawDataPlotBuilder::~RawDataPlotBuilder() = default;

PropertyPtr<bool> RawDataPlotBuilder::showLines()
{
  return m_showLines;
}

vtkSmartPointer<vtkPlot> RawDataPlotBuilder::createPlot(vtkTable& group)
{
  if (m_showLines->value() && group.GetNumberOfRows() > 1)
    return vtkSmartPointer<vtkPlotLine>::New();
  return vtkSmartPointer<vtkPlotPoints>::New();
}
