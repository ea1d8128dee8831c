#include "analyzer/dataviews/scatter3d/Scatter3DInterpolationVariables.h"
#include "analyzer/dataviews/scatter3d/TableToStructuredGridAlgorithm.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "tests/analyzer/dataviews/scatter3d/DerivedDataFixture.h"

#include <vtkPoints.h>
#include <vtkStructuredGrid.h>

namespace
{

class SurfaceGridTest : public DerivedDataTest
{
protected:
  void SetUp() override
  {
    DerivedDataTest::SetUp();
    axes("Thickness", "Load", "Stress");
    range(0, 1.5, 2.5);
    range(1, 10.0, 40.0);
    range(2, 0.0, 50.0);
    m_variables = boost::make_shared<Scatter3DInterpolationVariables>(
      m_manager, m_view, 100, InterpolationVariablesAbstract::gridFlag);
    m_query = vtkSmartPointer<SurrogateModelQueryToTable>::Take(
      SurrogateModelQueryToTable::New(m_manager, m_variables));
    m_grid = vtkSmartPointer<TableToStructuredGridAlgorithm>::New();
    m_grid->setGridVariables(m_manager, m_variables);
    m_grid->setResolution(100);
    m_grid->setDistributionCollection(m_view.m_collection.get());
    m_grid->SetInputConnection(m_query->GetOutputPort());
    m_grid->SetXColumn("Thickness");
    m_grid->SetYColumn("Load");
    m_grid->SetZColumn("Stress");
  }

  vtkStructuredGrid* grid()
  {
    m_grid->Update();
    return m_grid->GetOutput();
  }

  boost::shared_ptr<Scatter3DInterpolationVariables> m_variables;
  vtkSmartPointer<SurrogateModelQueryToTable> m_query;
  vtkSmartPointer<TableToStructuredGridAlgorithm> m_grid;
};

} // namespace

TEST_F(SurfaceGridTest, GridSpansTheAxisRangesWithThePredictionsAsHeights)
{
  EXPECT_TRUE(m_variables->isVariableEmployed(plateVariable("Thickness")));
  EXPECT_TRUE(m_variables->isVariableEmployed(plateVariable("Load")));
  EXPECT_FALSE(m_variables->isVariableEmployed(plateVariable("Stress")));
  EXPECT_EQ(
    m_variables->nonInputAxisVariables(), std::set<uint64_t>{ plateVariable("Stress").id() });

  vtkStructuredGrid* surface = grid();
  int dimensions[3];
  surface->GetDimensions(dimensions);
  EXPECT_EQ(dimensions[0], 100);
  EXPECT_EQ(dimensions[1], 100);
  EXPECT_EQ(dimensions[2], 1);
  double bounds[6];
  surface->GetBounds(bounds);
  EXPECT_DOUBLE_EQ(bounds[0], 1.5);
  EXPECT_DOUBLE_EQ(bounds[1], 2.5);
  EXPECT_DOUBLE_EQ(bounds[2], 10.0);
  EXPECT_DOUBLE_EQ(bounds[3], 40.0);
  // The first input (Thickness) runs along the grid's second dimension.
  double point[3];
  surface->GetPoint(3 + 100 * 7, point);
  const double thickness = 1.5 + 7.0 / 99.0;
  const double load = 10.0 + 30.0 * 3.0 / 99.0;
  EXPECT_NEAR(point[0], thickness, 1e-12);
  EXPECT_NEAR(point[1], load, 1e-12);
  EXPECT_EQ(point[2], m_manager->predict(plateVariable("Stress").id(), { point[0], point[1] })[0]);
  EXPECT_NEAR(point[2], plateStress(thickness, load), 0.5) << "within 2 % of the range of Stress";
}

TEST_F(SurfaceGridTest, AxisRangesAndUserPointsResampleTheSurface)
{
  grid();
  AlgorithmExecutionListener executions(m_query);
  range(0, 1.0, 3.0);
  double bounds[6];
  grid()->GetBounds(bounds);
  EXPECT_TRUE(executions.algorithmHasExecuted());
  EXPECT_DOUBLE_EQ(bounds[0], 1.0);
  EXPECT_DOUBLE_EQ(bounds[1], 3.0);

  executions.reset();
  m_view.m_colorVar->setValue(plateVariable("Cost"));
  grid();
  EXPECT_FALSE(executions.algorithmHasExecuted()) << "colour plays no part with inputs on axes";

  SurrogateModelUserDistCollection collection;
  collection.setDistribution("Thickness", 1, { 1.0, 1.2, 1.4, 1.6, 1.8, 2.0, 2.2 });
  m_view.m_collection->setValue(collection);
  int dimensions[3];
  grid()->GetDimensions(dimensions);
  EXPECT_EQ(dimensions[0], 100);
  EXPECT_EQ(dimensions[1], 7);
  grid()->GetBounds(bounds);
  EXPECT_DOUBLE_EQ(bounds[1], 2.2);
}

TEST_F(SurfaceGridTest, ColourAndSizeInputsAreSampledOverTheirOwnRanges)
{
  axes("Stress", "Cost", "Note");
  m_view.m_colorVar->setValue(plateVariable("Load"));
  m_view.m_colorByData->setValue(true);
  m_view.m_sizeVar->setValue(plateVariable("Thickness"));
  m_view.m_sizeByData->setValue(true);
  const auto values = m_variables->inputIndependentVariables();
  const auto& thickness = values.at(plateVariable("Thickness"));
  ASSERT_EQ(thickness.size(), 100u);
  EXPECT_EQ(thickness.front(), plateVariable("Thickness").lock()->range().first);
  EXPECT_EQ(thickness.back(), plateVariable("Thickness").lock()->range().second);
  EXPECT_EQ(m_variables->nonInputAxisVariables().size(), 3u);

  // Without colour by data, Load is left to the host: one value in the grid.
  m_view.m_colorByData->setValue(false);
  EXPECT_EQ(m_variables->inputIndependentVariables().at(plateVariable("Load")).size(), 1u);
}

TEST_F(SurfaceGridTest, UnfittableModelsGiveAnEmptyGridQuietly)
{
  loadPlateProject(3);
  axes("Thickness", "Load", "Stress");
  EXPECT_EQ(grid()->GetNumberOfPoints(), 0);
  EXPECT_NE(m_query->getLastError().find("Too few cases"), std::string::npos);
  m_grid->SetZColumn("Nothing");
  loadPlateProject();
  axes("Thickness", "Load", "Stress");
  EXPECT_EQ(grid()->GetNumberOfPoints(), 0) << "a column the table lacks";
}
