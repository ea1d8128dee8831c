#pragma once

#include "host/common/Variant.h"

class vtkVariant;

/// An invalid vtkVariant is NULL and a NaN number is NaN. With parseText, text holding a number
/// or a special value's text becomes that number or value; otherwise text stays text.
Variant toVariant(const vtkVariant& value, bool parseText);
/// NULL becomes an invalid vtkVariant and NaN a NaN double.
vtkVariant toVtkVariant(const Variant& value);
