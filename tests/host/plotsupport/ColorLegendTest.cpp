#include "host/plotsupport/ColorLegend.h"
#include "host/pipeline/RangeFilter.h"
#include "host/plotsupport/NiceLabelsColorBarWidget.h"
#include "host/plotsupport/TitleFitter.h"
#include "host/serialization/Serializer.h"
#include "property/PropertyInstantiations.h"
#include "tests/host/pipeline/PipelineFixture.h"

#include <QDomDocument>
#include <vtkDoubleArray.h>
#include <vtkLookupTable.h>
#include <vtkNew.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>
#include <vtkScalarBarActor.h>
#include <vtkScalarBarRepresentation.h>

TEST(NiceLabelsColorBarWidget, LabelsSitAtRoundNumbersInsideTheRange)
{
  using W = NiceLabelsColorBarWidget;
  EXPECT_EQ(W::niceStep(0.3), 0.5);
  EXPECT_EQ(W::niceStep(1.0), 1.0);
  EXPECT_EQ(W::niceStep(13.0), 20.0);
  EXPECT_EQ(W::niceLabels(5.0, 9.0, 6), (std::vector<double>{ 5.0, 6.0, 7.0, 8.0, 9.0 }));
  const std::vector<double> fifths = W::niceLabels(-0.13, 0.97, 6);
  ASSERT_EQ(fifths.size(), 5u);
  EXPECT_EQ(fifths.front(), 0.0);
  EXPECT_DOUBLE_EQ(fifths.back(), 0.8);
  EXPECT_EQ(W::niceLabels(-1.0, 1.0, 6), (std::vector<double>{ -1.0, -0.5, 0.0, 0.5, 1.0 }));
  EXPECT_EQ(W::niceLabels(3.0, 3.0, 6), (std::vector<double>{ 3.0 }));
}

TEST(TitleFitter, WrapsThenShrinksThenCutsShort)
{
  // Each character as wide as the font size.
  const TitleFitter fitter(
    [](const std::string& line, int fontSize) { return double(line.size()) * fontSize; }, 13, 9);
  const auto fit = [&](const std::string& title, double width)
  {
    const TitleFitter::Fitted fitted = fitter.fit(title, width);
    return std::make_pair(fitted.text, fitted.fontSize);
  };
  using R = std::pair<std::string, int>;
  EXPECT_EQ(fit("Stress (MPa)", 156), R("Stress (MPa)", 13));
  EXPECT_EQ(fit("Stress (MPa)", 80), R("Stress\n(MPa)", 13));
  EXPECT_EQ(fit("Semi-major axis (m)", 100), R("Semi-major\naxis (m)", 10));
  EXPECT_EQ(fit("Eccentricity of the reference ellipsoid", 60), R("Ecc...\nof...", 9));
}

namespace
{

class ColorLegendTest : public PipelineTest
{
protected:
  void SetUp() override
  {
    PipelineTest::SetUp();
    window->SetOffScreenRendering(1);
    window->AddRenderer(renderer);
    window->SetInteractor(interactor);
    colorVar =
      boost::make_shared<vantor::Property<WeakPtr<Variable>>>(Project::project().variable("Mass"));
    colorByData = boost::make_shared<vantor::Property<bool>>(false);
    legend = std::make_unique<ColorLegend>(colorVar,
      colorByData,
      m_pipeline,
      lookupTable.Get(),
      interactor.Get(),
      vtkSmartPointer<NiceLabelsColorBarWidget>::New());
  }

  std::vector<double> labels() const
  {
    std::vector<double> values;
    vtkDoubleArray* custom = legend->widget().GetScalarBarActor()->GetCustomLabels();
    for (vtkIdType i = 0; custom && i < custom->GetNumberOfValues(); ++i)
      values.push_back(custom->GetValue(i));
    return values;
  }

  vtkNew<vtkRenderWindow> window;
  vtkNew<vtkRenderer> renderer;
  vtkNew<vtkRenderWindowInteractor> interactor;
  vtkNew<vtkLookupTable> lookupTable;
  boost::shared_ptr<vantor::Property<WeakPtr<Variable>>> colorVar;
  boost::shared_ptr<vantor::Property<bool>> colorByData;
  std::unique_ptr<ColorLegend> legend;
};

} // namespace

TEST_F(ColorLegendTest, ShownWhileColouringByDataOverTheFilteredValuesAndCaughtUpAfterSuspension)
{
  EXPECT_FALSE(legend->isShown());
  colorByData->setValue(true);
  ASSERT_TRUE(legend->isShown());
  EXPECT_STREQ(legend->widget().GetScalarBarActor()->GetTitle(), "Mass");
  // Mass is 5, NaN, 7, 8, 9: the NaN is left out.
  EXPECT_EQ(lookupTable->GetTableRange()[0], 5.0);
  EXPECT_EQ(lookupTable->GetTableRange()[1], 9.0);
  EXPECT_EQ(labels(), (std::vector<double>{ 5.0, 6.0, 7.0, 8.0, 9.0 }));

  // Filtering out the heavy cases narrows the bar.
  m_pipeline->addFilter(
    boost::make_shared<RangeFilter>(Project::project().variable("Length"), 0.0, 3.0));
  EXPECT_EQ(lookupTable->GetTableRange()[1], 7.0);

  colorVar->setValue(Project::project().variable("Width"));
  EXPECT_STREQ(legend->widget().GetScalarBarActor()->GetTitle(), "Width");
  colorByData->setValue(false);
  EXPECT_FALSE(legend->isShown());

  // Suspended, it catches up on resume, and it keeps its position.
  colorByData->setValue(true);
  legend->suspend();
  colorVar->setValue(Project::project().variable("Count"));
  EXPECT_STREQ(legend->widget().GetScalarBarActor()->GetTitle(), "Width");
  legend->resume();
  EXPECT_STREQ(legend->widget().GetScalarBarActor()->GetTitle(), "Count");
  EXPECT_EQ(lookupTable->GetTableRange()[0], 3.0);

  auto* representation =
    vtkScalarBarRepresentation::SafeDownCast(legend->widget().GetRepresentation());
  representation->SetPosition(0.05, 0.2);
  QDomDocument document;
  QDomElement element = legend->serializer()->serialize(document);
  representation->SetPosition(0.5, 0.5);
  legend->serializer()->deserialize(element);
  EXPECT_DOUBLE_EQ(representation->GetPosition()[0], 0.05);
  EXPECT_DOUBLE_EQ(representation->GetPosition()[1], 0.2);
}
