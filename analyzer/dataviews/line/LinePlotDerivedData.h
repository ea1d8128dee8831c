#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <boost/shared_ptr.hpp>
#include <memory>
#include <vtkSmartPointer.h>

class DataPipelineManagerInterface;
class DerivedDataPlotBuilder;
class DerivedDataPropertySynchronizer;
class DerivedDataRelevanceProperty;
class DerivedDataVisibilityProperty;
class LinePlotInterface;
class LinePlotInterpolationVariables;
class PlotBuilderAbstract;
class QColor;
class SolidLineColorAssigner;
class SurrogateModelManagerInterface;
class SurrogateModelQueryToTable;
class vtkVnCommandProxy;
namespace vantor
{
template<class T>
class Property;
}

/// The surrogate-model lines of a line plot: whether they make sense, the points the models
/// are asked at, the query, the builder of the dashed lines and their colour, and whether the
/// user wants them shown.
class LinePlotDerivedData
{
public:
  /// The view's distribution collection and axis details must exist already: the points the
  /// models are asked at follow them.
  LinePlotDerivedData(LinePlotInterface& view,
    boost::shared_ptr<const SurrogateModelManagerInterface> surrogateModels,
    boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    PlotBuilderAbstract& rawData);
  ~LinePlotDerivedData();
  LinePlotDerivedData(const LinePlotDerivedData&) = delete;
  LinePlotDerivedData& operator=(const LinePlotDerivedData&) = delete;

  boost::shared_ptr<DerivedDataRelevanceProperty> relevance() const { return m_relevance; }
  boost::shared_ptr<LinePlotInterpolationVariables> interpolation() const
  {
    return m_interpolation;
  }
  vtkSmartPointer<SurrogateModelQueryToTable> query() const;
  DerivedDataPlotBuilder& builder() const { return *m_builder; }
  boost::shared_ptr<SolidLineColorAssigner> lineColorAssigner() const { return m_lineColor; }
  /// "Surrogate Model Line Color", undoable.
  PropertyPtr<QColor> lineColor() const { return m_lineColorProxy; }
  /// "Show Surrogate Model", undoable.
  PropertyPtr<bool> show() const { return m_showProxy; }
  /// Shown and relevant.
  PropertyPtr<bool> visible() const;

  /// Brings the predicted lines' tables up to date while they are visible. A query error
  /// switches them off, without an undo step, and is told once through the view's signal.
  void update();

  void suspend();
  void resume();

private:
  void checkForSurrogateModelFailure();

  LinePlotInterface& m_view;
  boost::shared_ptr<DerivedDataRelevanceProperty> m_relevance;
  boost::shared_ptr<LinePlotInterpolationVariables> m_interpolation;
  vtkSmartPointer<SurrogateModelQueryToTable> m_query;
  vtkSmartPointer<vtkVnCommandProxy> m_queryObserver;
  unsigned long m_queryObserverTag = 0;
  boost::shared_ptr<SolidLineColorAssigner> m_lineColor;
  PropertyPtr<QColor> m_lineColorProxy;
  std::unique_ptr<DerivedDataPlotBuilder> m_builder;
  boost::shared_ptr<vantor::Property<bool>> m_show;
  PropertyPtr<bool> m_showProxy;
  boost::shared_ptr<DerivedDataVisibilityProperty> m_visible;
  std::unique_ptr<DerivedDataPropertySynchronizer> m_settings;
};
