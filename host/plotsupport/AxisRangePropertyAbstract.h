#pragma once

#include "host/plotsupport/VTKPropertyAbstract.h"

/// One end of an axis range held by a VTK object. Only finite values are accepted; an end may
/// pass the other one for a while (a range is restored one end at a time).
class AxisRangePropertyAbstract : public VTKPropertyAbstract<double>
{
public:
  enum RangeType
  {
    Minimum = 0,
    Maximum = 1
  };

  AxisRangePropertyAbstract(vtkSmartPointer<vtkObject> object, RangeType type);

  RangeType rangeType() const { return m_type; }

private:
  RangeType m_type;
};
