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

TEST(LineLegendRender, ColourLegendShowsEachGroupsColourBesideTheLines)
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
  view->Render();
  grab->Update();
  // Without being shown, the legend leaves the upper right empty.
  EXPECT_EQ(countColor(grab->GetOutput(), 250, 200, 400, 300, red), 0);

  legend->SetVisible(true);
  view->Render();
  grab->Modified();
  grab->Update();
  EXPECT_GT(countColor(grab->GetOutput(), 250, 200, 400, 300, red), 5);
  EXPECT_GT(countColor(grab->GetOutput(), 250, 200, 400, 300, orange), 5);
  ASSERT_EQ(legend->entries().size(), 2u);
  EXPECT_EQ(legend->entries()[1].label, "B");
}

TEST(LineLegendRender, PatternLegendDrawsDataAndDerivedInTheirColours)
{
  vtkNew<vtkContextView> view;
  view->GetRenderWindow()->SetSize(300, 200);
  view->GetRenderWindow()->SetOffScreenRendering(true);
  auto chart = vtkSmartPointer<ChartXY>::New();
  view->GetScene()->AddItem(chart);
  // A chart draws its items only while it holds a plot.
  auto table = caseTable(2);
  addReals(table, "x", { 0, 1 });
  addReals(table, "y", { 0, 0 });
  vtkNew<vtkPlotLine> plot;
  plot->SetInputData(table, "x", "y");
  plot->SetColor(0, 0, 0, 255);
  chart->AddPlot(plot);
  auto colorByData = boost::make_shared<vantor::Property<bool>>(false);
  auto lineColor = boost::make_shared<vantor::Property<QColor>>(QColor(0, 0, 255));
  auto derivedColor = boost::make_shared<vantor::Property<QColor>>(QColor(0, 160, 0));
  vtkNew<SurrogateModelLinePatternLegend> legend;
  legend->setStyles(colorByData, lineColor, derivedColor);
  legend->SetPoint(290, 190);
  legend->SetVisible(true);
  chart->addLegend(legend);

  vtkNew<vtkWindowToImageFilter> grab;
  grab->SetInput(view->GetRenderWindow());
  grab->ReadFrontBufferOff();
  view->Render();
  grab->Update();
  EXPECT_GT(countColor(grab->GetOutput(), 150, 100, 300, 200, { 0, 0, 255 }), 5);
  EXPECT_GT(countColor(grab->GetOutput(), 150, 100, 300, 200, { 0, 160, 0 }), 3);

  colorByData->setValue(true);
  view->Render();
  grab->Modified();
  grab->Update();
  EXPECT_EQ(countColor(grab->GetOutput(), 150, 100, 300, 200, { 0, 0, 255 }), 0);
}
