#include "tests/analyzer/dataviews/line/LineTables.h"

#include "analyzer/dataviews/line/ColorByLegend.h"
#include "analyzer/dataviews/line/SurrogateModelLinePatternLegend.h"
#include "host/charts/ChartXY.h"
#include "property/PropertyInstantiations.h"

#include <QColor>
#include <boost/make_shared.hpp>
#include <vtkAxis.h>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkImageData.h>
#include <vtkPlotLine.h>
#include <vtkRenderWindow.h>
#include <vtkWindowToImageFilter.h>

namespace
{

/// Pixels of the colour (within a small tolerance) in the rectangle [x0, x1) x [y0, y1).
int countColor(vtkImageData* image, int x0, int y0, int x1, int y1, std::array<int, 3> rgb)
{
  int count = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
    {
      const auto* pixel = static_cast<unsigned char*>(image->GetScalarPointer(x, y, 0));
      if (std::abs(pixel[0] - rgb[0]) < 8 && std::abs(pixel[1] - rgb[1]) < 8 &&
          std::abs(pixel[2] - rgb[2]) < 8)
        ++count;
    }
  return count;
}

} // namespace

TEST(LineLegendRender, LegendsShowTheGroupsColoursAndTheDataAndDerivedStyles)
{
  loadLineVariables({ "x", "y", "Mode" });
  vtkNew<vtkContextView> view;
  view->GetRenderWindow()->SetSize(400, 300);
  view->GetRenderWindow()->SetOffScreenRendering(true);
  auto chart = vtkSmartPointer<ChartXY>::New();
  view->GetScene()->AddItem(chart);
  const std::array<int, 3> red{ 255, 0, 0 }, orange{ 255, 168, 0 };
  for (const char* mode : { "A", "B" })
  {
    auto table = caseTable(2);
    addReals(table, "x", { 0, 10 });
    addReals(table, "y", { mode[0] == 'A' ? 0.0 : 1.0, mode[0] == 'A' ? 0.0 : 1.0 });
    addTexts(table, "Mode", { mode, mode });
    auto plot = vtkSmartPointer<vtkPlotLine>::New();
    plot->SetInputData(table, "x", "y");
    const auto& rgb = mode[0] == 'A' ? red : orange;
    plot->SetColor(rgb[0], rgb[1], rgb[2], 255);
    plot->SetWidth(3);
    chart->AddPlot(plot);
  }
  chart->GetAxis(vtkAxis::LEFT)->SetBehavior(vtkAxis::FIXED);
  chart->GetAxis(vtkAxis::LEFT)->SetRange(0, 20);

  auto colorVar = boost::make_shared<vantor::Property<VariablePtr>>(lineVariable("Mode"));
  vtkNew<ColorByLegend> legend;
  legend->setVariable(colorVar);
  legend->SetPoint(390, 290);
  chart->addLegend(legend);

  vtkNew<vtkWindowToImageFilter> grab;
  grab->SetInput(view->GetRenderWindow());
  grab->ReadFrontBufferOff();
  const auto grabbed = [&]
  {
    view->Render();
    grab->Modified();
    grab->Update();
    return grab->GetOutput();
  };
  // Without being shown, the legend leaves the upper right empty.
  EXPECT_EQ(countColor(grabbed(), 250, 200, 400, 300, red), 0);

  legend->SetVisible(true);
  EXPECT_GT(countColor(grabbed(), 250, 200, 400, 300, red), 5);
  EXPECT_GT(countColor(grab->GetOutput(), 250, 200, 400, 300, orange), 5);
  ASSERT_EQ(legend->entries().size(), 2u);
  EXPECT_EQ(legend->entries()[1].label, "B");

  // In the colour legend's place, the pattern legend draws data and derived in their colours.
  legend->SetVisible(false);
  auto colorByData = boost::make_shared<vantor::Property<bool>>(false);
  auto lineColor = boost::make_shared<vantor::Property<QColor>>(QColor(0, 0, 255));
  auto derivedColor = boost::make_shared<vantor::Property<QColor>>(QColor(0, 160, 0));
  vtkNew<SurrogateModelLinePatternLegend> patterns;
  patterns->setStyles(colorByData, lineColor, derivedColor);
  patterns->SetPoint(390, 290);
  patterns->SetVisible(true);
  chart->addLegend(patterns);
  EXPECT_GT(countColor(grabbed(), 250, 200, 400, 300, { 0, 0, 255 }), 5);
  EXPECT_GT(countColor(grab->GetOutput(), 250, 200, 400, 300, { 0, 160, 0 }), 3);
  EXPECT_EQ(countColor(grab->GetOutput(), 250, 200, 400, 300, red), 0);
  colorByData->setValue(true);
  EXPECT_EQ(countColor(grabbed(), 250, 200, 400, 300, { 0, 0, 255 }), 0);
}
