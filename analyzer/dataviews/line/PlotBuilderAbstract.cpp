#include "analyzer/dataviews/line/PlotBuilderAbstract.h"

#include "analyzer/dataviews/line/LineStyleAssignerInterface.h"
#include "analyzer/dataviews/line/SortTable.h"
#include "analyzer/dataviews/line/SplitTableByColumn.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/plotsupport/InvalidPointsFilter.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "host/vtkutil/vtkVariantToNumericAlgorithm.h"
#include "property/Property.h"

#include <boost/make_shared.hpp>
#include <map>
#include <vtkPen.h>
#include <vtkPlot.h>
#include <vtkTable.h>

namespace
{

enum SplitSlot
{
  colorSlot = 0,
  symbolSlot = 1,
  unusedSlot = 2
};

} // namespace

struct PlotBuilderAbstract::Data
{
  boost::shared_ptr<SpatialVariableProperty2D> xVar =
    boost::make_shared<SpatialVariableProperty2D>(0);
  boost::shared_ptr<SpatialVariableProperty2D> yVar =
    boost::make_shared<SpatialVariableProperty2D>(1);
  vtkSmartPointer<vtkAlgorithm> source;
  vtkNew<vtkVariantToNumericAlgorithm> numeric;
  vtkNew<InvalidPointsFilter> validRows;
  vtkNew<SortTable> sort;
  vtkNew<SplitTableByColumn> split;
  std::unique_ptr<AlgorithmExecutionListener> executions;
  boost::shared_ptr<vantor::Property<LineType>> lineType =
    boost::make_shared<vantor::Property<LineType>>(Solid);
  // A line type missing here is entered with no pen.
  std::map<LineType, int> penTable = { { Solid, vtkPen::SOLID_LINE },
    { Dashed, vtkPen::DASH_LINE },
    { Dotted, vtkPen::DOT_LINE } };
  std::vector<vtkSmartPointer<vtkPlot>> plots;
  boost::shared_ptr<LineStyleAssignerInterface> colorAssigner;
};

PlotBuilderAbstract::PlotBuilderAbstract(vtkSmartPointer<vtkAlgorithm> source,
  boost::shared_ptr<LineStyleAssignerInterface> colorAssigner)
  : m_data(std::make_unique<Data>())
{
  Data& d = *m_data;
  d.source = std::move(source);
  d.colorAssigner = std::move(colorAssigner);
  d.numeric->SetInputConnection(d.source->GetOutputPort());
  d.validRows->SetInputConnection(d.numeric->GetOutputPort());
  d.sort->SetInputConnection(d.validRows->GetOutputPort());
  d.split->SetInputConnection(d.sort->GetOutputPort());
  std::vector<InvalidPointsFilter::VariableProperty> checked{ d.xVar, d.yVar, d.sort->sortBy() };
  for (int slot : { colorSlot, symbolSlot, unusedSlot })
    checked.push_back(boost::make_shared<InvalidPointsFilter::RelevanceDependentVariableProperty>(
      d.split->groupData(slot), d.split->groupDataVariable(slot)));
  d.validRows->setVariables(checked);
  d.executions = std::make_unique<AlgorithmExecutionListener>(d.split);
}

PlotBuilderAbstract::~PlotBuilderAbstract() = default;

PropertyPtr<VariablePtr> PlotBuilderAbstract::sortBy()
{
  return m_data->sort->sortBy();
}

PropertyPtr<bool> PlotBuilderAbstract::colorByData()
{
  return m_data->split->groupData(colorSlot);
}

PropertyPtr<VariablePtr> PlotBuilderAbstract::colorVar()
{
  return m_data->split->groupDataVariable(colorSlot);
}

PropertyPtr<PlotBuilderAbstract::LineType> PlotBuilderAbstract::lineType()
{
  return m_data->lineType;
}

PropertyPtr<bool> PlotBuilderAbstract::symbolByData()
{
  return m_data->split->groupData(symbolSlot);
}

PropertyPtr<VariablePtr> PlotBuilderAbstract::symbolVar()
{
  return m_data->split->groupDataVariable(symbolSlot);
}

boost::shared_ptr<SpatialVariableProperty2D> PlotBuilderAbstract::xVar()
{
  return m_data->xVar;
}

boost::shared_ptr<SpatialVariableProperty2D> PlotBuilderAbstract::yVar()
{
  return m_data->yVar;
}

vtkAlgorithm* PlotBuilderAbstract::outputAlgorithm()
{
  return m_data->split;
}

AlgorithmExecutionListener& PlotBuilderAbstract::executionListener()
{
  return *m_data->executions;
}

void PlotBuilderAbstract::rebuildPlots()
{
  Data& d = *m_data;
  d.plots.clear();
  const int penType = d.penTable[d.lineType->value()];
  const bool placed = d.xVar->placesPoints() && d.yVar->placesPoints();
  const std::vector<vtkSmartPointer<vtkTable>> none;
  for (const auto& group : placed ? d.split->groupTables() : none)
  {
    vtkSmartPointer<vtkPlot> plot = createPlot(*group);
    plot->SetInputData(group);
    plot->GetPen()->SetLineType(penType);
    d.plots.push_back(plot);
  }
  d.colorAssigner->assign(d.plots);
}

std::vector<vtkSmartPointer<vtkPlot>> PlotBuilderAbstract::plots() const
{
  return m_data->plots;
}
