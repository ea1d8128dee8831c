#pragma once

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/scatter3d/ScatterPlot3D.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/plotsupport/ColorLegend.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"
#include "host/viewsupport/AxisDetailsInterface.h"
#include "host/viewsupport/SelectionModel.h"

#include <QUndoStack>
#include <QWidget>
#include <array>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkCubeAxesActor2D.h>

/// Cases 1.. at the given (x, y, z) with "x", "y" independent and "z", "c" dependent, c being
/// the case's position in the list.
inline void loadPoints(const std::vector<std::array<double, 3>>& points)
{
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  contents.addVariable("y", Variable::Independent, ValueType::Real);
  contents.addVariable("z", Variable::Dependent, ValueType::Real);
  contents.addVariable("c", Variable::Dependent, ValueType::Real);
  uint64_t id = 1;
  for (const auto& point : points)
  {
    contents.addRecord(id, { point[0], point[1], point[2], double(id) });
    ++id;
  }
  Project::project().assign(std::move(contents));
}

inline VariablePtr variable(const char* name)
{
  return Project::project().variable(name);
}

class Scatter3DFixture : public ::testing::Test
{
protected:
  void TearDown() override
  {
    UndoStack::clear();
    manager.reset();
  }

  /// A view (and its window) over the current project, through the manager.
  boost::shared_ptr<ScatterPlot3D> addView()
  {
    if (!manager)
    {
      selection = boost::make_shared<SelectionModel>();
      pipeline = boost::make_shared<DataPipelineManager>(selection);
      manager = std::make_unique<DataViewManager>(pipeline, nullptr, selection);
      manager->signalViewCreated.connect(
        [this](QWidget* widget, boost::shared_ptr<DataViewInterface>) { lastWidget = widget; });
    }
    return boost::dynamic_pointer_cast<ScatterPlot3D>(manager->add3DScatterView());
  }

  static std::array<double, 6> ranges(ScatterPlot3D& view)
  {
    std::array<double, 6> values;
    const auto details = view.axisDetails();
    for (std::size_t i = 0; i < 3; ++i)
    {
      values[2 * i] = details[i]->min()->value();
      values[2 * i + 1] = details[i]->max()->value();
    }
    return values;
  }

  static std::array<double, 6> bounds(ScatterPlot3D& view)
  {
    std::array<double, 6> values;
    const auto details = view.axisDetails();
    for (std::size_t i = 0; i < 3; ++i)
    {
      values[2 * i] = details[i]->boundsMin()->value();
      values[2 * i + 1] = details[i]->boundsMax()->value();
    }
    return values;
  }

  boost::shared_ptr<SelectionModel> selection;
  boost::shared_ptr<DataPipelineManager> pipeline;
  std::unique_ptr<DataViewManager> manager;
  QWidget* lastWidget = nullptr;
};
