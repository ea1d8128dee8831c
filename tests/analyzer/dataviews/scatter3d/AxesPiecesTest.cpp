#include "analyzer/dataviews/scatter3d/AxisDetails3D.h"
#include "analyzer/dataviews/scatter3d/EntireTableToPolyData.h"
#include "analyzer/dataviews/scatter3d/GlyphPositionAdjustingAxisRangeMonitor.h"
#include "analyzer/dataviews/scatter3d/PlainLabelsCubeAxesActor.h"
#include "analyzer/dataviews/scatter3d/PositionTransformFilter.h"
#include "analyzer/dataviews/scatter3d/ZeroLength3DAxesAdjuster.h"
#include "host/core/InvalidPropertyValueException.h"
#include "host/core/UndoStack.h"
#include "property/PropertyInstantiations.h"
#include "tests/host/project/StudyProject.h"

#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vtkCubeAxesActor2D.h>
#include <vtkDoubleArray.h>
#include <vtkGeneralTransform.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkTable.h>
#include <vtkTransform.h>

namespace
{

vtkSmartPointer<vtkDoubleArray> column(const char* name, std::vector<double> values)
{
  auto array = vtkSmartPointer<vtkDoubleArray>::New();
  array->SetName(name);
  for (double value : values)
    array->InsertNextValue(value);
  return array;
}

} // namespace

TEST(Axes3D, RangesMapOntoBoundsAndAnAxisMinimumIsOneUndoStep)
{
  UndoStack::clear();
  vtkNew<vtkCubeAxesActor2D> axes;
  axes->SetRanges(0.0, 10.0, 0.0, 1.0, 0.0, 1.0);
  axes->SetBounds(0.0, 10.0, 0.0, 1.0, 0.0, 1.0);
  std::vector<boost::shared_ptr<AxisDetailsInterface>> details;
  for (auto axis : { AxisDetailsInterface::X, AxisDetailsInterface::Y, AxisDetailsInterface::Z })
    details.push_back(boost::make_shared<AxisDetails3D>(axes.Get(), axis));
  EXPECT_EQ(AxisDetails3D::axisName(2), "Z-Axis");
  EXPECT_EQ(AxisDetails3D::axisName(3), "");
  EXPECT_FALSE(details[0]->gridSpacing());

  vtkNew<vtkTable> table;
  table->AddColumn(column("x", { 5.0 }));
  table->AddColumn(column("y", { 0.5 }));
  vtkNew<EntireTableToPolyData> points;
  points->SetInputData(table);
  points->SetXColumn("x");
  points->SetYColumn("y");
  points->SetZColumn("y");
  vtkNew<PositionTransformFilter> transform;
  transform->SetInputConnection(points->GetOutputPort());
  transform->SetTransform(vtkSmartPointer<vtkTransform>::New());
  GlyphPositionAdjustingAxisRangeMonitor monitor(transform.Get(), details);
  int changes = 0;
  details[0]->signalAxisDetailsChanged.connect([&] { ++changes; });

  details[0]->boundsMax()->setValue(20.0);
  transform->Update();
  EXPECT_DOUBLE_EQ(transform->GetOutput()->GetPoint(0)[0], 10.0) << "positions double";
  EXPECT_EQ(axes->GetRanges()[1], 10.0) << "labels stay";
  EXPECT_EQ(changes, 1);

  details[0]->min()->setValue(-10.0);
  for (double end : { std::nan(""), HUGE_VAL })
    EXPECT_THROW(details[0]->max()->setValue(end), vantor::InvalidPropertyValueException);
  EXPECT_EQ(UndoStack::qUndoStack().count(), 2);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Change X-Axis Min");
  transform->Update();
  EXPECT_DOUBLE_EQ(transform->GetOutput()->GetPoint(0)[0], 15.0);
  UndoStack::qUndoStack().undo();
  EXPECT_EQ(axes->GetRanges()[0], 0.0);
  transform->Update();
  EXPECT_DOUBLE_EQ(transform->GetOutput()->GetPoint(0)[0], 10.0);
  UndoStack::clear();
}

TEST(Axes3D, ZeroLengthAxesAreWidened)
{
  loadStudyProject();
  using P = vantor::Property<WeakPtr<Variable>>;
  auto length = boost::make_shared<P>(Project::project().variable("Length"));
  auto flat = boost::make_shared<P>(Project::project().variable("Count"));
  auto none = boost::make_shared<P>();
  ZeroLength3DAxesAdjuster adjuster(length, flat, none);
  double ranges[6] = { 4.0, 4.0, 0.0, 0.0, 0.0, 0.0 };
  adjuster.adjust(ranges);
  // Length's own range is 1..5, Count's 3..7.
  EXPECT_EQ(ranges[0], 2.0);
  EXPECT_EQ(ranges[1], 6.0);
  EXPECT_DOUBLE_EQ(ranges[2], -0.2);
  EXPECT_DOUBLE_EQ(ranges[3], 0.2);
  EXPECT_EQ(ranges[4], -0.5);
  EXPECT_EQ(ranges[5], 0.5);

  double spread[6] = { 1.0, 2.0, -4.0, -4.0, 0.0, 0.0 };
  adjuster.adjust(spread);
  EXPECT_EQ(spread[1], 2.0);
  EXPECT_EQ(spread[2], -2.0) << "a negative value's minimum lies above its maximum";
  EXPECT_EQ(spread[3], -6.0);
}

TEST(Axes3D, LabelsArePrintedPlainlyWithTheDigitsTheirRangeNeeds)
{
  const auto label = [](double first, double last, double value)
  {
    char text[64];
    const std::string format = PlainLabelsCubeAxesActor::labelFormat(first, last, 5);
    std::snprintf(text, sizeof text, format.c_str(), value);
    return std::string(text);
  };
  EXPECT_EQ(label(0.204, 318.0, 318.0), "318");
  EXPECT_EQ(label(0.204, 318.0, 0.204), "0.204");
  EXPECT_EQ(label(1.01, 3.0, 2.0), "2");
  EXPECT_EQ(label(72.8, -72.8, -36.4), "-36.4");
  EXPECT_EQ(label(0.0, 999.96, 999.96), "1000");
  EXPECT_EQ(label(1e6, 5e6, 3e6), "3e+06");
  EXPECT_EQ(label(-1.48e6, 1.15e6, 492559.0), "4.93e+05");
  EXPECT_EQ(label(1e6, 1e6 + 10, 1e6 + 2.5), "1000002.5");
  EXPECT_EQ(label(-0.0029165468, 0.0019627, -0.0016967312), "-0.0017");
  EXPECT_EQ(label(1e-6, 2e-6, 1.25e-6), "1.25e-06");
}

TEST(Axes3D, TableColumnsBecomePointDataInOrderAndPointsAreReused)
{
  vtkNew<vtkTable> table;
  table->AddColumn(column("id", { 7.0, 8.0 }));
  table->AddColumn(column("x", { 1.0, 2.0 }));
  vtkNew<EntireTableToPolyData> points;
  points->SetInputData(table);
  points->SetXColumn("x");
  points->SetYColumn("x");
  points->SetZColumn("id");
  points->Update();
  vtkPolyData* output = points->GetOutput();
  ASSERT_EQ(output->GetNumberOfPoints(), 2);
  EXPECT_EQ(output->GetPoint(1)[2], 8.0);
  ASSERT_EQ(output->GetPointData()->GetNumberOfArrays(), 2);
  EXPECT_EQ(output->GetPointData()->GetAbstractArray(0), table->GetColumn(0)) << "shared";
  vtkPoints* built = output->GetPoints();

  // Another column arriving re-runs the stage without rebuilding the points.
  table->AddColumn(column("mask", { 0.0, 1.0 }));
  table->Modified();
  points->Update();
  EXPECT_EQ(points->GetOutput()->GetPointData()->GetNumberOfArrays(), 3);
  EXPECT_EQ(points->GetOutput()->GetPoints(), built);

  vtkNew<vtkTable> empty;
  points->SetInputData(empty);
  points->Update();
  EXPECT_EQ(points->GetOutput()->GetNumberOfPoints(), 0);
  EXPECT_EQ(points->GetOutput()->GetPointData()->GetNumberOfArrays(), 0);
}

TEST(Axes3D, PositionsLandWhereTheTransformPutsThemAndHeldCopiesKeepTheirs)
{
  vtkNew<vtkTable> table;
  table->AddColumn(column("x", { 1.0, 2.5 }));
  table->AddColumn(column("y", { -3.0, 4.0 }));
  table->AddColumn(column("z", { 0.25, 6.0 }));
  vtkNew<EntireTableToPolyData> points;
  points->SetInputData(table);
  points->SetXColumn("x");
  points->SetYColumn("y");
  points->SetZColumn("z");
  vtkNew<PositionTransformFilter> positions;
  positions->SetInputConnection(points->GetOutputPort());

  auto axesBox = vtkSmartPointer<vtkTransform>::New();
  axesBox->PostMultiply();
  axesBox->Scale(2.0, 0.5, 3.0);
  axesBox->Translate(-1.0, 7.0, 0.125);
  auto turned = vtkSmartPointer<vtkTransform>::New();
  turned->RotateZ(30.0);
  turned->RotateX(-45.0);
  turned->Scale(1.5, 2.0, 0.5);
  // A transform that is not linear takes the general way, with points that are not interleaved.
  vtkNew<vtkGeneralTransform> general;
  general->Concatenate(axesBox);
  const std::vector<vtkAbstractTransform*> transforms = { general, axesBox, turned };
  for (vtkAbstractTransform* transform : transforms)
  {
    positions->SetTransform(transform);
    positions->Update();
    vtkPolyData* output = positions->GetOutput();
    ASSERT_EQ(output->GetNumberOfPoints(), 2);
    EXPECT_EQ(output->GetPointData()->GetNumberOfArrays(), 3);
    for (vtkIdType i = 0; i < 2; ++i)
    {
      double expected[3];
      transform->TransformPoint(points->GetOutput()->GetPoint(i), expected);
      for (int axis = 0; axis < 3; ++axis)
        EXPECT_DOUBLE_EQ(output->GetPoint(i)[axis], expected[axis]);
    }
  }

  // New values reach the positions, unless someone holds the positions of before.
  vtkNew<vtkPolyData> held;
  held->ShallowCopy(positions->GetOutput());
  const double before = held->GetPoint(1)[0];
  for (double x : { 10.0, 20.0 })
  {
    vtkDoubleArray::SafeDownCast(table->GetColumnByName("x"))->SetValue(1, x);
    table->GetColumnByName("x")->Modified();
    table->Modified();
    positions->Update();
    const double expected = turned->TransformPoint(x, 4.0, 6.0)[0];
    EXPECT_DOUBLE_EQ(positions->GetOutput()->GetPoint(1)[0], expected);
    EXPECT_DOUBLE_EQ(points->GetOutput()->GetPoint(1)[0], x);
  }
  EXPECT_EQ(held->GetPoint(1)[0], before);
}
