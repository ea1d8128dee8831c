#include "analyzer/dataviews/scatter3d/ShowDerivedDataProperty.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkNew.h>
#include <vtkRenderer.h>

TEST(ShowDerivedDataPropertyTest, SurfaceIsDrawnOnlyWhileAskedForAndRelevant)
{
  auto relevance = boost::make_shared<vantor::Property<bool>>(false);
  vtkNew<vtkRenderer> renderer;
  vtkNew<vtkActor> surface;
  ShowDerivedDataProperty show(relevance, renderer.Get(), surface.Get());
  int changes = 0;
  show.signalValueChanged.connect([&](bool) { ++changes; });
  EXPECT_FALSE(show.value());

  show.setValue(true);
  EXPECT_TRUE(show.value()) << "what the user asked for is kept";
  EXPECT_FALSE(renderer->HasViewProp(surface));
  relevance->setValue(true);
  EXPECT_TRUE(renderer->HasViewProp(surface));
  EXPECT_EQ(renderer->GetActors()->GetNumberOfItems(), 1);
  relevance->setValue(false);
  EXPECT_FALSE(renderer->HasViewProp(surface));
  relevance->setValue(true);
  EXPECT_EQ(renderer->GetActors()->GetNumberOfItems(), 1) << "added once";

  show.setValue(false);
  EXPECT_FALSE(renderer->HasViewProp(surface));
  relevance->setValue(false);
  relevance->setValue(true);
  EXPECT_FALSE(renderer->HasViewProp(surface));
  EXPECT_EQ(changes, 2) << "relevance changes are not the user's value";
}
