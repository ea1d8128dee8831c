#include "analyzer/dataviews/scatter3d/GlyphMapperProperties.h"
#include "analyzer/dataviews/scatter3d/GlypherProxy.h"
#include "analyzer/dataviews/scatter3d/Scatter3DScaleFactorCalculator.h"
#include "analyzer/dataviews/scatter3d/ShapeProperty3D.h"
#include "analyzer/dataviews/scatter3d/SizingPropertiesSynchronizer.h"
#include "property/PropertyInstantiations.h"
#include "property/PropertyScalingDecorator.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vtkCubeAxesActor2D.h>
#include <vtkCubeSource.h>
#include <vtkGlyph3DMapper.h>
#include <vtkNew.h>
#include <vtkProperty.h>
#include <vtkSphereSource.h>

TEST(GlyphShape, ShapeReplacesTheMappersSourceAndSizingReadsTheMapper)
{
  vtkNew<vtkGlyph3DMapper> mapper;
  ShapeProperty3D shape(
    boost::make_shared<GlypherProxy>(mapper.Get()), ScatterPlot3DInterface::Sphere);
  auto* sphere = vtkSphereSource::SafeDownCast(mapper->GetInputAlgorithm(1, 0));
  ASSERT_NE(sphere, nullptr) << "the initial shape is installed at once";
  EXPECT_EQ(sphere->GetThetaResolution(), 16);
  EXPECT_EQ(sphere->GetRadius(), 0.5);
  shape.setValue(ScatterPlot3DInterface::Cube);
  EXPECT_NE(vtkCubeSource::SafeDownCast(mapper->GetInputAlgorithm(1, 0)), nullptr);
  shape.setValue(ScatterPlot3DInterface::Sphere);
  EXPECT_NE(vtkSphereSource::SafeDownCast(mapper->GetInputAlgorithm(1, 0)), nullptr);
  EXPECT_EQ(shape.value(), ScatterPlot3DInterface::Sphere);

  SizeByDataProperty sizeByData(mapper.Get());
  sizeByData.setValue(true);
  EXPECT_EQ(mapper->GetScaleMode(), vtkGlyph3DMapper::SCALE_BY_MAGNITUDE);
  mapper->SetScaleModeToNoDataScaling();
  EXPECT_FALSE(sizeByData.value()) << "no copy: the mapper is the truth";

  ColorByDataProperty<vtkGlyph3DMapper> colorByData(mapper.Get());
  colorByData.setValue(false);
  EXPECT_EQ(mapper->GetScalarVisibility(), 0);
}

TEST(GlyphShape, ColourAndTranslucencyLiveInTheActorsProperty)
{
  vtkNew<vtkProperty> surface;
  SolidColorProperty<vtkProperty> color(surface.Get());
  color.setValue(QColor(255, 128, 0));
  EXPECT_EQ(color.value(), QColor(255, 128, 0));
  surface->SetColor(0.5, 0.999, 0.0);
  EXPECT_EQ(color.value(), QColor(127, 254, 0)) << "channels are truncated";

  TranslucencyProperty<vtkProperty> translucency(surface.Get());
  translucency.setValue(30);
  EXPECT_DOUBLE_EQ(surface->GetOpacity(), 0.7);
  EXPECT_GE(translucency.value(), 29u);
  EXPECT_LE(translucency.value(), 30u);
}

TEST(GlyphSize, FourPercentOfTheLongestSideOfTheBox)
{
  vtkNew<vtkCubeAxesActor2D> axes;
  axes->SetBounds(0.0, 10.0, 0.0, 5.0, 0.0, 2.0);
  Scatter3DScaleFactorCalculator calculator(axes.Get());
  EXPECT_DOUBLE_EQ(calculator.scaleFactor(2.0), 0.8);
  axes->SetBounds(0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
  EXPECT_DOUBLE_EQ(calculator.scaleFactor(2.0), 0.08);
}

TEST(GlyphSize, SelectionShellsFollowTheGlyphSizingOneWay)
{
  auto sizeByData = boost::make_shared<vantor::Property<bool>>(false);
  auto sizeVar = boost::make_shared<vantor::Property<WeakPtr<Variable>>>();
  auto scaling = boost::make_shared<vantor::Property<double>>(1.5);
  auto shellSizeByData = boost::make_shared<vantor::Property<bool>>(true);
  auto shellSizeVar = boost::make_shared<vantor::Property<WeakPtr<Variable>>>();
  auto shellScaling = boost::make_shared<vantor::Property<double>>(0.0);
  SizingPropertiesSynchronizer synchronizer(
    sizeByData, sizeVar, scaling, shellSizeByData, shellSizeVar, shellScaling);
  EXPECT_DOUBLE_EQ(shellScaling->value(), 1.8);
  EXPECT_FALSE(shellSizeByData->value());

  int announced = 0;
  shellScaling->signalValueChanged.connect([&](double) { ++announced; });
  scaling->setValue(2.0);
  EXPECT_DOUBLE_EQ(shellScaling->value(), 2.4);
  EXPECT_EQ(announced, 1);
  sizeByData->setValue(true);
  EXPECT_TRUE(shellSizeByData->value());
  shellScaling->setValue(7.0);
  EXPECT_DOUBLE_EQ(scaling->value(), 2.0) << "the shells never size the glyphs";

  vantor::PropertyScalingDecorator<double> decorator(scaling, 1.2);
  decorator.setValue(6.0);
  EXPECT_DOUBLE_EQ(scaling->value(), 5.0);
}
