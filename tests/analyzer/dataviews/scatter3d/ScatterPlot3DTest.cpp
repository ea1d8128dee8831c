#include "tests/analyzer/dataviews/scatter3d/Scatter3DFixture.h"

#include "host/serialization/SerializerInterface.h"
#include "tests/host/project/StudyProject.h"
#include "tests/host/serialization/XmlText.h"
#include "tests/support/ProjectEdits.h"

#include <vtkCamera.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

namespace
{

std::array<double, 3> transformScale(ScatterPlot3D& view)
{
  std::array<double, 3> scale{};
  vtkTransform::SafeDownCast(view.positions().GetTransform())->GetScale(scale.data());
  return scale;
}

} // namespace

TEST_F(Scatter3DFixture, NewViewTakesItsDefaultsFromTheProjectAndRecordsOnlyTheAdd)
{
  loadStudyProject();
  auto view = addView();
  EXPECT_EQ(view->xVar()->value(), Project::project().variable("Length"));
  EXPECT_EQ(view->yVar()->value(), Project::project().variable("Width"));
  EXPECT_EQ(view->zVar()->value(), Project::project().variable("Mass"));
  EXPECT_TRUE(view->colorByData()->value()) << "Count is left for colouring";
  EXPECT_FALSE(view->sizeByData()->value());
  EXPECT_EQ(view->shape()->value(), ScatterPlot3DInterface::Sphere);
  EXPECT_EQ(view->mouseMode()->value(), DataViewInterface::Rotate);
  EXPECT_EQ(view->title(), "3D Scatter Plot");
  EXPECT_TRUE(view->legend()->isShown());
  EXPECT_EQ(UndoStack::qUndoStack().count(), 1);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Add 3D Scatter Plot");

  view->scalingFactor()->setValue(2.0);
  EXPECT_EQ(UndoStack::qUndoStack().undoText(), "Change Size");
}

TEST_F(Scatter3DFixture, AxesStretchOnlyWhenOneIsMoreThanFourTimesShorter)
{
  loadPoints({ { 0.0, 0.0, 0.0 }, { 2.0, 4.0, 8.0 } });
  auto view = addView();
  EXPECT_EQ(transformScale(*view), (std::array<double, 3>{ 1.0, 1.0, 1.0 })) << "4 is not above 4";
  EXPECT_EQ(bounds(*view), (std::array<double, 6>{ 0.0, 2.0, 0.0, 4.0, 0.0, 8.0 }));

  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 2.0, 8.0 } });
  view = addView();
  EXPECT_EQ(transformScale(*view), (std::array<double, 3>{ 8.0, 4.0, 1.0 }));
  EXPECT_EQ(bounds(*view), (std::array<double, 6>{ 0.0, 8.0, 0.0, 8.0, 0.0, 8.0 }));

  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 2.0, 9.0 } });
  view = addView();
  EXPECT_EQ(transformScale(*view), (std::array<double, 3>{ 9.0, 4.5, 1.0 }));
  EXPECT_EQ(ranges(*view), (std::array<double, 6>{ 0.0, 1.0, 0.0, 2.0, 0.0, 9.0 }));
  EXPECT_EQ(bounds(*view), (std::array<double, 6>{ 0.0, 9.0, 0.0, 9.0, 0.0, 9.0 }));
  view->positions().Update();
  EXPECT_DOUBLE_EQ(view->positions().GetOutput()->GetPoint(1)[0], 9.0);
}

TEST_F(Scatter3DFixture, FlatAxesAreWidenedAndAChangedVariableKeepsTheUsersOtherRanges)
{
  loadPoints({ { 4.0, 0.0, 1.0 }, { 4.0, 0.0, 3.0 } });
  auto view = addView();
  const auto flat = ranges(*view);
  EXPECT_EQ(flat[0], 2.0);
  EXPECT_EQ(flat[1], 6.0);
  EXPECT_EQ(flat[2], -0.5) << "all zero and a variable without spread";
  EXPECT_EQ(flat[3], 0.5);

  view->axisDetails()[1]->min()->setValue(-3.0);
  view->axisDetails()[2]->max()->setValue(10.0);
  view->xVar()->setValue(variable("c"));
  const auto changed = ranges(*view);
  EXPECT_EQ(changed[0], 1.0) << "x is reset to the new variable's data";
  EXPECT_EQ(changed[1], 2.0);
  EXPECT_EQ(changed[2], -3.0);
  EXPECT_EQ(changed[5], 10.0);
  EXPECT_EQ(view->axisDetails()[0]->min()->value(), 1.0);
}

TEST_F(Scatter3DFixture, DeletedVariablesAreReplacedAndOnlyAxisVariablesResetTheAxes)
{
  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 1.0, 5.0 } });
  auto view = addView();
  ASSERT_EQ(view->colorVar()->value(), variable("c"));
  view->axisDetails()[0]->max()->setValue(50.0);

  testsupport::eraseVariables({ "c" });
  EXPECT_NE(view->colorVar()->value(), VariablePtr());
  EXPECT_TRUE(view->colorVar()->value().lock());
  EXPECT_EQ(ranges(*view)[1], 50.0) << "a colour variable does not touch the axes";

  testsupport::eraseVariables({ "z" });
  ASSERT_TRUE(view->zVar()->value().lock());
  EXPECT_NE(view->zVar()->value().id(), 0u);
  EXPECT_EQ(ranges(*view)[1], 1.0) << "a new axis variable re-initialises the axes";

  // Undoing the erasure brings the variable back; the view keeps its replacement.
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(variable("z").lock());
}

TEST_F(Scatter3DFixture, SurvivesSaveAndRestoreWithCameraAxesShapeAndColours)
{
  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 2.0, 3.0 } });
  auto saved = addView();
  saved->shape()->setValue(ScatterPlot3DInterface::Cube);
  saved->color()->setValue(QColor(200, 40, 10));
  saved->colorByData()->setValue(false);
  saved->scalingFactor()->setValue(1.5);
  saved->zVar()->setValue(variable("c"));
  saved->axisDetails()[2]->max()->setValue(7.0);
  saved->axisDetails()[0]->boundsMax()->setValue(4.0);
  saved->derivedDataTranslucency()->setValue(20);
  saved->renderer().GetActiveCamera()->SetPosition(3.0, 4.0, 5.0);

  const std::string xml = testsupport::xmlText(saved->serializer());
  EXPECT_EQ(xml.rfind("<Scatter3DView>", 0), 0u);

  auto restored = addView();
  testsupport::readXml(restored->serializer(), xml);
  EXPECT_EQ(testsupport::xmlText(restored->serializer()), xml) << "every setting is restored";
  EXPECT_EQ(restored->shape()->value(), ScatterPlot3DInterface::Cube);
  EXPECT_EQ(ranges(*restored), ranges(*saved));
  EXPECT_EQ(bounds(*restored), bounds(*saved));
  const double* position = restored->renderer().GetActiveCamera()->GetPosition();
  EXPECT_EQ(position[0], 3.0);
  EXPECT_EQ(position[2], 5.0);

  // The glyphs sit where the restored labels say: x = 1 at the bounds maximum 4.
  restored->positions().Update();
  EXPECT_DOUBLE_EQ(restored->positions().GetOutput()->GetPoint(1)[0], 4.0);
}

TEST_F(Scatter3DFixture, SuspendedViewDoesNotReactAndCatchesUpWhenResumed)
{
  loadPoints({ { 0.0, 0.0, 0.0 }, { 1.0, 2.0, 3.0 } });
  auto view = addView();
  manager->removeView(view);
  view->xVar()->setValue(variable("c"));
  EXPECT_EQ(ranges(*view)[1], 1.0) << "no axis recomputation while suspended";
  view->positions().Update();
  EXPECT_DOUBLE_EQ(view->positions().GetOutput()->GetPoint(1)[0], 2.0) << "the column changed";
  testsupport::eraseVariables({ "z" });
  EXPECT_FALSE(view->zVar()->value().lock()) << "no repair while suspended";

  manager->restoreView(view);
  EXPECT_TRUE(view->zVar()->value().lock());
  EXPECT_EQ(ranges(*view)[1], 2.0) << "x now spans c's values";
}
