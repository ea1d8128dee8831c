#pragma once

#include "host/core/SignalConnectionCollection.h"

class InterpolationVariablesInterface;
class PlotBuilderAbstract;

/// Keeps the surrogate lines plotted like the cases: the same x, y and groupings. They are
/// sorted like the cases too, except by a variable the predictions hold at one value: then
/// along x.
class DerivedDataPropertySynchronizer
{
public:
  DerivedDataPropertySynchronizer(const InterpolationVariablesInterface& interpolationVariables,
    PlotBuilderAbstract& rawData,
    PlotBuilderAbstract& derivedData);
  DerivedDataPropertySynchronizer(const DerivedDataPropertySynchronizer&) = delete;
  DerivedDataPropertySynchronizer& operator=(const DerivedDataPropertySynchronizer&) = delete;

  void suspend() { m_connections.block(); }
  /// Takes over what changed meanwhile.
  void resume();

private:
  template<class P>
  void follow(const P& source, const P& target);
  void copyAll();
  void applySortRule();

  const InterpolationVariablesInterface& m_interpolationVariables;
  PlotBuilderAbstract& m_rawData;
  PlotBuilderAbstract& m_derivedData;
  SignalConnectionCollection m_connections;
};
