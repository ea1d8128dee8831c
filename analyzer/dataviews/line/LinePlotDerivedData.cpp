#include "analyzer/dataviews/line/LinePlotDerivedData.h"

#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/line/DerivedDataPlotBuilder.h"
#include "analyzer/dataviews/line/DerivedDataPropertySynchronizer.h"
#include "analyzer/dataviews/line/DerivedDataRelevanceProperty.h"
#include "analyzer/dataviews/line/DerivedDataVisibilityProperty.h"
#include "analyzer/dataviews/line/LinePlotInterpolationVariables.h"
#include "analyzer/dataviews/line/SolidLineColorAssigner.h"
#include "host/core/UndoStack.h"
#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/vtkutil/vtkVnCommandProxy.h"
#include "property/PropertyInstantiations.h"

#include <QColor>
#include <boost/make_shared.hpp>

LinePlotDerivedData::LinePlotDerivedData(LinePlotInterface& view,
  boost::shared_ptr<const SurrogateModelManagerInterface> surrogateModels,
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  PlotBuilderAbstract& rawData)
  : m_view(view)
{
  m_relevance = boost::make_shared<DerivedDataRelevanceProperty>(surrogateModels,
    view.xVar(),
    view.yVar(),
    rawData.sortBy(),
    rawData.colorVar(),
    rawData.colorByData(),
    rawData.symbolVar(),
    rawData.symbolByData());
  m_interpolation = boost::make_shared<LinePlotInterpolationVariables>(
    surrogateModels, std::move(pipeline), rawData, view);
  m_query = vtkSmartPointer<SurrogateModelQueryToTable>::Take(
    SurrogateModelQueryToTable::New(surrogateModels, m_interpolation));
  // New predictions are drawn at once while shown.
  m_queryObserver =
    vtkSmartPointer<vtkVnCommandProxy>::Take(vtkVnCommandProxy::New(vtkVnCommandProxy::Callback(
      [this]
      {
        if (m_visible->value())
          m_view.render();
      })));
  m_queryObserverTag = m_query->AddObserver(vtkCommand::ModifiedEvent, m_queryObserver);
  m_lineColor = boost::make_shared<SolidLineColorAssigner>();
  m_lineColorProxy = boost::make_shared<vantor::UndoablePropertyProxy<QColor>>(
    "Surrogate Model Line Color", m_lineColor);
  m_builder = std::make_unique<DerivedDataPlotBuilder>(m_query, m_lineColor);
  m_show = boost::make_shared<vantor::Property<bool>>(false);
  m_showProxy =
    boost::make_shared<vantor::UndoablePropertyProxy<bool>>("Show Surrogate Model", m_show);
  m_visible = boost::make_shared<DerivedDataVisibilityProperty>(m_show, m_relevance);
  m_settings =
    std::make_unique<DerivedDataPropertySynchronizer>(*m_interpolation, rawData, *m_builder);
}

LinePlotDerivedData::~LinePlotDerivedData()
{
  m_query->RemoveObserver(m_queryObserverTag);
}

vtkSmartPointer<SurrogateModelQueryToTable> LinePlotDerivedData::query() const
{
  return m_query;
}

PropertyPtr<bool> LinePlotDerivedData::visible() const
{
  return m_visible;
}

void LinePlotDerivedData::update()
{
  if (!m_visible->value())
    return;
  m_builder->outputAlgorithm()->Update();
  checkForSurrogateModelFailure();
}

void LinePlotDerivedData::checkForSurrogateModelFailure()
{
  const std::string error = m_query->getLastError();
  if (error.empty())
    return;
  {
    UndoStack::SuspendUndoRecording suspended;
    m_show->setValue(false);
  }
  m_view.signalSurrogateModelError(error);
}

void LinePlotDerivedData::suspend()
{
  m_relevance->suspend();
  m_interpolation->suspend();
  m_settings->suspend();
  m_query->RemoveObserver(m_queryObserverTag);
}

void LinePlotDerivedData::resume()
{
  m_relevance->resume();
  m_interpolation->resume();
  m_settings->resume();
  m_queryObserverTag = m_query->AddObserver(vtkCommand::ModifiedEvent, m_queryObserver);
}
