#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/core/SignalConnectionCollection.h"

#include <QColor>
#include <boost/shared_ptr.hpp>
#include <vtkSmartPointer.h>

class DataPipelineManagerInterface;
class DerivedDataRelevanceProperty3D;
class Scatter3DInterpolationVariables;
class ScatterPlot3DInterface;
class SurrogateModelManagerInterface;
class SurrogateModelQueryToTable;
class TableToStructuredGridAlgorithm;
class vtkRenderer;
class vtkTransformPolyDataFilter;
class vtkVnCommandProxy;

/// The surrogate-model surface of the 3D view: the models' predictions over the grid of the two
/// axes on model inputs, drawn translucent in the coordinates of the glyphs and following the
/// view's position transform.
class DerivedDataScatter3D
{
public:
  static constexpr uint32_t resolution = 100;

  DerivedDataScatter3D(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    vtkSmartPointer<vtkTransformPolyDataFilter> viewTransform,
    boost::shared_ptr<const SurrogateModelManagerInterface> surrogateModels,
    vtkSmartPointer<vtkRenderer> renderer,
    ScatterPlot3DInterface& view);
  virtual ~DerivedDataScatter3D();
  DerivedDataScatter3D(const DerivedDataScatter3D&) = delete;
  DerivedDataScatter3D& operator=(const DerivedDataScatter3D&) = delete;

  virtual void suspend();
  virtual void resume();
  virtual vtkSmartPointer<vtkTableAlgorithm> derivedData();
  virtual PropertyPtr<bool> show();
  virtual boost::shared_ptr<DerivedDataRelevanceProperty3D> relevance();
  virtual PropertyPtr<QColor> color();
  virtual PropertyPtr<uint64_t> translucency();

  boost::shared_ptr<Scatter3DInterpolationVariables> interpolationVariables() const
  {
    return m_interpolationVariables;
  }

private:
  void build(const boost::shared_ptr<const SurrogateModelManagerInterface>& surrogateModels);
  void updateColumn(int axis);
  void followViewTransform();
  void observe();

  PropertyPtr<bool> m_show;
  PropertyPtr<QColor> m_color;
  PropertyPtr<uint64_t> m_translucency;
  boost::shared_ptr<DerivedDataRelevanceProperty3D> m_relevance;
  vtkSmartPointer<vtkTransformPolyDataFilter> m_viewTransform;
  vtkSmartPointer<vtkRenderer> m_renderer;
  ScatterPlot3DInterface* m_view;
  vtkSmartPointer<SurrogateModelQueryToTable> m_query;
  vtkSmartPointer<TableToStructuredGridAlgorithm> m_grid;
  vtkSmartPointer<vtkTransformPolyDataFilter> m_surfaceTransform;
  SignalConnectionCollection m_connections;
  vtkSmartPointer<vtkVnCommandProxy> m_transformObserver;
  vtkSmartPointer<vtkVnCommandProxy> m_queryObserver;
  boost::shared_ptr<Scatter3DInterpolationVariables> m_interpolationVariables;
  unsigned long m_transformTag = 0;
  unsigned long m_queryTag = 0;
};
