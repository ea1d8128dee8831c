#include "analyzer/dataviews/scatter3d/ShapeProperty3D.h"

#include "property/PropertyInstantiations.h"

#include <vtkCubeSource.h>
#include <vtkNew.h>
#include <vtkSphereSource.h>

ShapeProperty3D::ShapeProperty3D(boost::shared_ptr<GlypherInterface> glypher,
  ScatterPlot3DInterface::Shape initial)
  : vantor::Property<ScatterPlot3DInterface::Shape>(initial)
  , m_glypher(std::move(glypher))
{
  installSource(initial);
}

void ShapeProperty3D::storeValue(const ScatterPlot3DInterface::Shape& shape)
{
  installSource(shape);
  vantor::Property<ScatterPlot3DInterface::Shape>::storeValue(shape);
}

void ShapeProperty3D::installSource(ScatterPlot3DInterface::Shape shape)
{
  // Both shapes are one unit across, so a glyph's size does not depend on its shape.
  if (shape != ScatterPlot3DInterface::Sphere)
  {
    vtkNew<vtkCubeSource> cube;
    m_glypher->setGlyphSource(*cube);
    return;
  }
  vtkNew<vtkSphereSource> sphere;
  sphere->SetThetaResolution(16);
  sphere->SetPhiResolution(16);
  m_glypher->setGlyphSource(*sphere);
}
