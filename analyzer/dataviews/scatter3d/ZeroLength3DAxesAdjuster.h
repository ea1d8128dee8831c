#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

class Variable;

/// Widens the axes along which every case has the same value, so that the box keeps a shape.
class ZeroLength3DAxesAdjuster
{
public:
  using VariableProperty = boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>>;

  ZeroLength3DAxesAdjuster(VariableProperty xVar, VariableProperty yVar, VariableProperty zVar);
  virtual ~ZeroLength3DAxesAdjuster();

  /// xmin, xmax, ymin, ymax, zmin, zmax, changed in place.
  void adjust(double ranges[6]) const;

private:
  void adjustAxis(const VariableProperty& variable, double& min, double& max) const;

  VariableProperty m_xVar;
  VariableProperty m_yVar;
  VariableProperty m_zVar;
};
