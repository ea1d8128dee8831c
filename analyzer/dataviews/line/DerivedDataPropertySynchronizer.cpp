#include "analyzer/dataviews/line/DerivedDataPropertySynchronizer.h"

#include "analyzer/dataviews/line/PlotBuilderAbstract.h"
#include "host/charts/SpatialVariableProperty2D.h"
#include "host/core/UndoStack.h"
#include "host/surrogate/InterpolationVariablesInterface.h"

DerivedDataPropertySynchronizer::DerivedDataPropertySynchronizer(
  const InterpolationVariablesInterface& interpolationVariables,
  PlotBuilderAbstract& rawData,
  PlotBuilderAbstract& derivedData)
  : m_interpolationVariables(interpolationVariables)
  , m_rawData(rawData)
  , m_derivedData(derivedData)
{
  follow(m_rawData.xVar(), m_derivedData.xVar());
  follow(m_rawData.yVar(), m_derivedData.yVar());
  follow(m_rawData.colorVar(), m_derivedData.colorVar());
  follow(m_rawData.colorByData(), m_derivedData.colorByData());
  follow(m_rawData.symbolVar(), m_derivedData.symbolVar());
  follow(m_rawData.symbolByData(), m_derivedData.symbolByData());
  m_connections.add(
    m_rawData.sortBy()->signalValueChanged.connect([this](const auto&) { applySortRule(); }));
  // What the predictions hold fixed changes with the models and the user's distributions.
  m_connections.add(m_interpolationVariables.signalChanged.connect([this] { applySortRule(); }));
  copyAll();
}

void DerivedDataPropertySynchronizer::resume()
{
  m_connections.unblock();
  copyAll();
}

template<class P>
void DerivedDataPropertySynchronizer::follow(const P& source, const P& target)
{
  m_connections.add(source->signalValueChanged.connect(
    [target](const auto& value)
    {
      // The copy belongs to the user's change of the cases' setting, never a step of its own.
      UndoStack::SuspendUndoRecording suspended;
      target->setValue(value);
    }));
}

void DerivedDataPropertySynchronizer::copyAll()
{
  UndoStack::SuspendUndoRecording suspended;
  m_derivedData.xVar()->setValue(m_rawData.xVar()->value());
  m_derivedData.yVar()->setValue(m_rawData.yVar()->value());
  m_derivedData.colorVar()->setValue(m_rawData.colorVar()->value());
  m_derivedData.colorByData()->setValue(m_rawData.colorByData()->value());
  m_derivedData.symbolVar()->setValue(m_rawData.symbolVar()->value());
  m_derivedData.symbolByData()->setValue(m_rawData.symbolByData()->value());
  applySortRule();
}

void DerivedDataPropertySynchronizer::applySortRule()
{
  const auto sort = m_rawData.sortBy()->value();
  const auto inputs = m_interpolationVariables.inputIndependentVariables();
  const auto found = inputs.find(sort);
  const bool heldFixed = found != inputs.end() && found->second.size() == 1;
  UndoStack::SuspendUndoRecording suspended;
  m_derivedData.sortBy()->setValue(heldFixed ? m_rawData.xVar()->value() : sort);
}
