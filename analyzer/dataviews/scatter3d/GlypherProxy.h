#pragma once

#include "analyzer/dataviews/scatter3d/ShapeProperty3D.h"

#include <vtkSmartPointer.h>

class vtkGlyph3DMapper;

/// Gives a glyph mapper its glyph geometry.
class GlypherProxy : public virtual ShapeProperty3D::GlypherInterface
{
public:
  explicit GlypherProxy(vtkSmartPointer<vtkGlyph3DMapper> mapper);
  void setGlyphSource(vtkAlgorithm& source) override;

private:
  vtkSmartPointer<vtkGlyph3DMapper> m_mapper;
};
