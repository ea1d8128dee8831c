#pragma once

class vtkVariant;

/// Orders cell values that may be numbers, numbers written as text, free text, NaN or NULL:
/// numbers by value, then text alphabetically, then NaN, then NULL. Built with
/// specialValuesFirst, NULL and NaN come before everything else instead.
class vtkVariantVariableValueLessThan
{
public:
  explicit vtkVariantVariableValueLessThan(bool specialValuesFirst);

  bool operator()(const vtkVariant& left, const vtkVariant& right) const;

private:
  bool m_specialValuesFirst;
};
