#include "host/plotsupport/PlotSelectionModel.h"
#include "host/viewsupport/SelectionModel.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkRenderWindowInteractor.h>

TEST(PlotSelectionModel, PickReplacesShiftAddsControlTogglesByTheInteractorsKeys)
{
  auto shared = boost::make_shared<SelectionModel>();
  int announcements = 0;
  shared->signalSelectionChanged.connect([&] { ++announcements; });
  vtkNew<vtkRenderWindowInteractor> interactor;
  PlotSelectionModel model(interactor.Get(), shared);

  shared->setSelection({ 1, 2, 3 });
  model.setSelection({ 3, 4 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 3, 4 }));

  interactor->SetShiftKey(1);
  model.setSelection({ 5 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 3, 4, 5 }));

  // Ctrl wins when both are held: the picked cases flip.
  interactor->SetControlKey(1);
  model.setSelection({ 4, 6 });
  EXPECT_EQ(shared->getSelections(), (std::set<uint64_t>{ 3, 5, 6 }));

  interactor->SetShiftKey(0);
  interactor->SetControlKey(0);
  const int before = announcements;
  model.setSelection({});
  EXPECT_TRUE(shared->getSelections().empty()) << "an empty pick without keys clears";
  EXPECT_EQ(announcements, before + 1);

  // Adding cases already selected changes nothing and announces nothing.
  shared->setSelection({ 7 });
  const int settled = announcements;
  model.combine({ 7 }, PlotSelectionModel::Add);
  EXPECT_EQ(announcements, settled);
}
