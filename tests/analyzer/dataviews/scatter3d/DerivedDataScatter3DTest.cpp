#include "analyzer/dataviews/scatter3d/DerivedDataScatter3D.h"
#include "analyzer/dataviews/scatter3d/DerivedDataRelevanceProperty3D.h"
#include "analyzer/dataviews/scatter3d/Scatter3DInterpolationVariables.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "tests/analyzer/dataviews/scatter3d/DerivedDataFixture.h"

#include <QUndoStack>
#include <vtkActor.h>
#include <vtkActorCollection.h>
#include <vtkMapper.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

namespace
{

class DerivedDataScatter3DTest : public DerivedDataTest
{
protected:
  void SetUp() override
  {
    DerivedDataTest::SetUp();
    axes("Thickness", "Load", "Stress");
    range(0, 1.5, 2.5);
    range(1, 10.0, 40.0);
    m_viewTransform->SetTransform(scaling(2.0, 1.0, 1.0));
    m_derived = std::make_unique<DerivedDataScatter3D>(
      m_pipeline, m_viewTransform, m_manager, m_renderer, m_view);
  }

  static vtkSmartPointer<vtkTransform> scaling(double x, double y, double z)
  {
    auto transform = vtkSmartPointer<vtkTransform>::New();
    transform->Scale(x, y, z);
    return transform;
  }

  vtkActor* shownSurface() const
  {
    vtkActorCollection* actors = m_renderer->GetActors();
    return actors->GetNumberOfItems() == 1 ? actors->GetLastActor() : nullptr;
  }

  /// The surface as drawn, in the coordinates of the glyphs.
  std::array<double, 6> surfaceBounds() const
  {
    vtkAlgorithm* drawn = shownSurface()->GetMapper()->GetInputAlgorithm();
    drawn->Update();
    std::array<double, 6> bounds;
    vtkPolyData::SafeDownCast(drawn->GetOutputDataObject(0))->GetBounds(bounds.data());
    return bounds;
  }

  vtkNew<vtkRenderer> m_renderer;
  vtkNew<vtkTransformPolyDataFilter> m_viewTransform;
  std::unique_ptr<DerivedDataScatter3D> m_derived;
};

} // namespace

TEST_F(DerivedDataScatter3DTest, ShownSurfaceIsHalfTranslucentOverTheAxisRanges)
{
  EXPECT_TRUE(m_derived->relevance()->value());
  EXPECT_FALSE(m_derived->show()->value());
  EXPECT_EQ(m_derived->translucency()->value(), 50u);
  EXPECT_EQ(shownSurface(), nullptr);

  m_derived->show()->setValue(true);
  ASSERT_NE(shownSurface(), nullptr);
  EXPECT_DOUBLE_EQ(shownSurface()->GetProperty()->GetOpacity(), 0.5);
  EXPECT_EQ(shownSurface()->GetProperty()->GetInterpolation(), VTK_GOURAUD);
  const auto bounds = surfaceBounds();
  EXPECT_DOUBLE_EQ(bounds[0], 3.0) << "x scaled by the view's transform";
  EXPECT_DOUBLE_EQ(bounds[1], 5.0);
  EXPECT_DOUBLE_EQ(bounds[2], 10.0);
  EXPECT_DOUBLE_EQ(bounds[3], 40.0);
  EXPECT_TRUE(m_derived->derivedData()->IsA("SurrogateModelQueryToTable"));

  m_derived->color()->setValue(QColor(255, 0, 0));
  double rgb[3];
  shownSurface()->GetProperty()->GetColor(rgb);
  EXPECT_EQ(rgb[0], 1.0);
  EXPECT_EQ(rgb[1], 0.0);
  m_derived->translucency()->setValue(80);
  EXPECT_NEAR(shownSurface()->GetProperty()->GetOpacity(), 0.2, 1e-12);
}

TEST_F(DerivedDataScatter3DTest, SurfaceFollowsRelevanceUndoTransformAndRanges)
{
  int changes = 0;
  m_derived->show()->signalValueChanged.connect([&](bool) { ++changes; });
  m_derived->show()->setValue(true);
  EXPECT_EQ(UndoStack::qUndoStack().undoText().toStdString(), "Change Show Surrogate Model");
  axes("Thickness", "Thickness", "Stress");
  EXPECT_EQ(shownSurface(), nullptr);
  EXPECT_TRUE(m_derived->show()->value()) << "what the user asked for stays";
  axes("Thickness", "Load", "Stress");
  ASSERT_NE(shownSurface(), nullptr) << "added again, once";
  EXPECT_EQ(changes, 1) << "relevance changes are not the user's value";

  // The surface moves and scales with the glyphs, and resamples over a new x range.
  m_viewTransform->SetTransform(scaling(1.0, 0.5, 1.0));
  range(0, 1.0, 3.0);
  auto bounds = surfaceBounds();
  EXPECT_DOUBLE_EQ(bounds[0], 1.0);
  EXPECT_DOUBLE_EQ(bounds[1], 3.0);
  EXPECT_DOUBLE_EQ(bounds[3], 20.0);

  UndoStack::qUndoStack().undo();
  EXPECT_FALSE(m_derived->show()->value());
  EXPECT_EQ(shownSurface(), nullptr);
  axes("Thickness", "Thickness", "Stress");
  axes("Thickness", "Load", "Stress");
  EXPECT_EQ(shownSurface(), nullptr) << "relevance alone shows nothing";
}

TEST_F(DerivedDataScatter3DTest, QueryChangesRenderTheViewUnlessSuspended)
{
  m_derived->show()->setValue(true);
  surfaceBounds();
  AlgorithmExecutionListener executions(m_derived->derivedData());
  const int renders = m_view.renders;
  surfaceBounds();
  EXPECT_FALSE(executions.algorithmHasExecuted()) << "nothing changed, nothing re-executes";

  m_view.m_axes[1]->m_max->setValue(30.0);
  EXPECT_EQ(m_view.renders, renders + 1) << "one render per change of the samples";

  m_derived->suspend();
  m_view.m_axes[1]->m_max->setValue(35.0);
  m_viewTransform->SetTransform(scaling(3.0, 1.0, 1.0));
  EXPECT_EQ(m_view.renders, renders + 1);
  m_derived->resume();
  EXPECT_GE(m_view.renders, renders + 1);
  const auto bounds = surfaceBounds();
  EXPECT_DOUBLE_EQ(bounds[0], 4.5) << "the transform set while suspended is taken on resume";
  EXPECT_DOUBLE_EQ(bounds[2], 10.0);
}
