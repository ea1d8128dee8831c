#pragma once

#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "property/Property.h"

#include <boost/shared_ptr.hpp>

class vtkAlgorithm;

/// The glyph shape of a 3D plot; setting it installs the shape's source as the glyph geometry.
class ShapeProperty3D : public vantor::Property<ScatterPlot3DInterface::Shape>
{
public:
  /// Makes a source algorithm the glyph geometry.
  class GlypherInterface
  {
  public:
    virtual ~GlypherInterface() = default;
    virtual void setGlyphSource(vtkAlgorithm& source) = 0;
  };

  /// Installs the source of the initial shape at once.
  ShapeProperty3D(boost::shared_ptr<GlypherInterface> glypher,
    ScatterPlot3DInterface::Shape initial);

private:
  void storeValue(const ScatterPlot3DInterface::Shape& shape) override;
  void installSource(ScatterPlot3DInterface::Shape shape);

  boost::shared_ptr<GlypherInterface> m_glypher;
};
