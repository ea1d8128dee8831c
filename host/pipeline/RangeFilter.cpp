#include "host/pipeline/RangeFilter.h"

#include "host/pipeline/FilterVisitorInterface.h"
#include "host/project/VariableColumn.h"
#include "host/vtkutil/vtkNanNullValueArray.h"

#include <vtkStringArray.h>

RangeFilter::RangeFilter(WeakPtr<Variable> variable, double low, double high)
  : FilterAbstract(std::move(variable))
  , m_low(low)
  , m_high(high)
{
}

void RangeFilter::setRange(double low, double high)
{
  if (low == m_low && high == m_high)
    return;
  const double oldLow = m_low;
  const double oldHigh = m_high;
  recordChange([this, low, high] { applyRange(low, high); },
    [this, oldLow, oldHigh] { applyRange(oldLow, oldHigh); });
}

void RangeFilter::applyRange(double low, double high)
{
  m_low = low;
  m_high = high;
  signalChanged();
}

void RangeFilter::evaluate(const VariableColumn& column, std::vector<unsigned char>& pass) const
{
  const vtkIdType rows = column.size();
  pass.resize(static_cast<std::size_t>(rows));
  if (auto* reals = vtkNanNullDoubleArray::SafeDownCast(column.array()))
  {
    // NULL rows hold NaN, which fails both comparisons.
    const double* values = reals->GetPointer(0);
    for (vtkIdType row = 0; row < rows; ++row)
      pass[static_cast<std::size_t>(row)] = values[row] >= m_low && values[row] <= m_high;
    return;
  }
  for (vtkIdType row = 0; row < rows; ++row)
    pass[static_cast<std::size_t>(row)] = passes(column, row);
}

bool RangeFilter::passes(const VariableColumn& column, vtkIdType row) const
{
  const double value = column.value(row).doubleValue();
  return value >= m_low && value <= m_high;
}

void RangeFilter::accept(FilterVisitorInterface& visitor) const
{
  visitor.visit(*this);
}
