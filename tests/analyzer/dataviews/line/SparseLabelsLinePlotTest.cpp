#include "analyzer/dataviews/line/SparseLabelsLinePlot.h"

#include <gtest/gtest.h>
#include <vtkFloatArray.h>
#include <vtkNew.h>
#include <vtkPoints2D.h>
#include <vtkTable.h>

namespace
{

std::vector<float> markerXs(int pointCount)
{
  vtkNew<vtkTable> table;
  vtkNew<vtkFloatArray> x, y;
  x->SetName("x");
  y->SetName("y");
  for (int i = 0; i < pointCount; ++i)
  {
    x->InsertNextValue(float(i));
    y->InsertNextValue(float(i * i));
  }
  table->AddColumn(x);
  table->AddColumn(y);
  vtkNew<SparseLabelsLinePlot> plot;
  plot->SetInputData(table, "x", "y");
  plot->Update();
  std::vector<float> xs;
  for (vtkIdType i = 0; i < plot->sparsePoints()->GetNumberOfPoints(); ++i)
    xs.push_back(float(plot->sparsePoints()->GetPoint(i)[0]));
  return xs;
}

} // namespace

TEST(SparseLabelsLinePlot, MarksFirstQuarterAndLastPointsOfLongLinesOnly)
{
  EXPECT_EQ(markerXs(101), (std::vector<float>{ 0, 25, 50, 75, 100 }));
  EXPECT_EQ(markerXs(7), (std::vector<float>{ 0, 1, 3, 4, 6 }));
  // Short lines draw a marker at every point: no sparse points are chosen.
  EXPECT_TRUE(markerXs(5).empty());
}
