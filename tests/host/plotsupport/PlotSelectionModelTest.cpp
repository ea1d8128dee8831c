#include "host/plotsupport/PlotSelectionModel.h"
#include "host/plotsupport/AxisRangePropertyAbstract.h"
#include "host/viewsupport/SelectionModel.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <limits>
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

namespace
{

/// One end of the range of a vtkRenderWindowInteractor's "size", a VTK object holding numbers.
class InteractorSizeEnd : public AxisRangePropertyAbstract
{
public:
  explicit InteractorSizeEnd(vtkRenderWindowInteractor* interactor)
    : AxisRangePropertyAbstract(interactor, Maximum)
    , m_interactor(interactor)
  {
  }

private:
  void storeValueInVTK(const double& value) override
  {
    m_interactor->SetSize(static_cast<int>(value), 1);
  }
  double retrieveValue() const override { return m_interactor->GetSize()[0]; }

  vtkRenderWindowInteractor* m_interactor;
};

} // namespace

TEST(AxisRangePropertyAbstract, StoresInTheVTKObjectAndRefusesNonFiniteEnds)
{
  vtkNew<vtkRenderWindowInteractor> interactor;
  InteractorSizeEnd end(interactor);
  int changes = 0;
  end.signalValueChanged.connect([&](double) { ++changes; });
  end.setValue(40.0);
  EXPECT_EQ(interactor->GetSize()[0], 40);
  EXPECT_EQ(end.rangeType(), AxisRangePropertyAbstract::Maximum);
  EXPECT_THROW(
    end.setValue(std::numeric_limits<double>::quiet_NaN()), vantor::InvalidPropertyValueException);
  EXPECT_THROW(
    end.setValue(std::numeric_limits<double>::infinity()), vantor::InvalidPropertyValueException);
  EXPECT_EQ(end.value(), 40.0);
  EXPECT_EQ(changes, 1);
}
