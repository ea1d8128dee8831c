#include "analyzer/dataviews/scatter3d/ZeroLength3DAxesAdjuster.h"

#include "host/project/Variable.h"

ZeroLength3DAxesAdjuster::ZeroLength3DAxesAdjuster(VariableProperty xVar,
  VariableProperty yVar,
  VariableProperty zVar)
  : m_xVar(std::move(xVar))
  , m_yVar(std::move(yVar))
  , m_zVar(std::move(zVar))
{
}

ZeroLength3DAxesAdjuster::~ZeroLength3DAxesAdjuster() = default;

void ZeroLength3DAxesAdjuster::adjust(double ranges[6]) const
{
  adjustAxis(m_xVar, ranges[0], ranges[1]);
  adjustAxis(m_yVar, ranges[2], ranges[3]);
  adjustAxis(m_zVar, ranges[4], ranges[5]);
}

void ZeroLength3DAxesAdjuster::adjustAxis(const VariableProperty& variable,
  double& min,
  double& max) const
{
  if (max != min)
    return;
  const double value = min;
  if (value != 0.0)
  {
    min = value - value / 2.0;
    max = value + value / 2.0;
    return;
  }
  const auto locked = variable->value().lock();
  const double width = locked ? locked->range().second - locked->range().first : 0.0;
  if (width != 0.0)
  {
    min = -width / 20.0;
    max = width / 20.0;
    return;
  }
  min = -0.5;
  max = 0.5;
}
