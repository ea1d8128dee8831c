#include "host/common/VariantConversion.h"

#include <vtkVariant.h>

#include <cmath>
#include <limits>

Variant toVariant(const vtkVariant& value, bool parseText)
{
  if (!value.IsValid())
    return Variant::null();
  if (value.IsString())
  {
    const std::string text = value.ToString();
    return parseText ? Variant::fromText(text) : Variant(text);
  }
  if (value.IsFloat() || value.IsDouble())
    return Variant(value.ToDouble());
  if (value.IsUnsignedLongLong() || value.IsUnsignedLong())
  {
    const auto unsignedValue = value.ToTypeUInt64();
    if (unsignedValue > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
      return Variant(static_cast<double>(unsignedValue));
    return Variant(static_cast<int64_t>(unsignedValue));
  }
  if (value.IsNumeric())
    return Variant(value.ToTypeInt64());
  return parseText ? Variant::fromText(value.ToString()) : Variant(std::string(value.ToString()));
}

vtkVariant toVtkVariant(const Variant& value)
{
  switch (value.kind())
  {
    case Variant::Kind::Null:
      return vtkVariant();
    case Variant::Kind::NaN:
      return vtkVariant(std::numeric_limits<double>::quiet_NaN());
    case Variant::Kind::Integer:
      return vtkVariant(static_cast<vtkTypeInt64>(value.longValue()));
    case Variant::Kind::Real:
      return vtkVariant(value.doubleValue());
    case Variant::Kind::Text:
      return vtkVariant(value.toString());
  }
  return vtkVariant();
}
