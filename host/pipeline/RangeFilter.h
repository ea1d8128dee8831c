#pragma once

#include "host/pipeline/FilterAbstract.h"

/// Lets through the cases whose value lies in [low, high]; NaN and NULL never do.
class RangeFilter : public FilterAbstract
{
public:
  RangeFilter(WeakPtr<Variable> variable, double low, double high);

  double low() const { return m_low; }
  double high() const { return m_high; }
  void setRange(double low, double high);

  void evaluate(const VariableColumn& column, std::vector<unsigned char>& pass) const override;
  bool passes(const VariableColumn& column, vtkIdType row) const override;
  void accept(FilterVisitorInterface& visitor) const override;

private:
  void applyRange(double low, double high);

  double m_low;
  double m_high;
};
