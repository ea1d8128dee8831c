#include "analyzer/dataviews/scatter3d/GlypherProxy.h"

#include <vtkAlgorithm.h>
#include <vtkGlyph3DMapper.h>

GlypherProxy::GlypherProxy(vtkSmartPointer<vtkGlyph3DMapper> mapper)
  : m_mapper(std::move(mapper))
{
}

void GlypherProxy::setGlyphSource(vtkAlgorithm& source)
{
  m_mapper->SetSourceConnection(source.GetOutputPort());
}
