#include "analyzer/dataviews/scatter3d/GlyphMapperProperties.h"

#include "host/project/Variable.h"
#include "property/PropertyInstantiations.h"

#include <cmath>
#include <vtkGlyph3DMapper.h>
#include <vtkProperty.h>

SizeByDataProperty::SizeByDataProperty(vtkSmartPointer<vtkGlyph3DMapper> mapper)
  : m_mapper(std::move(mapper))
{
}

void SizeByDataProperty::storeValue(const bool& value)
{
  if (value)
    m_mapper->SetScaleModeToScaleByMagnitude();
  else
    m_mapper->SetScaleModeToNoDataScaling();
}

bool SizeByDataProperty::retrieveValue() const
{
  return m_mapper->GetScaleMode() != 0;
}

SizeDataArrayProperty::SizeDataArrayProperty(vtkSmartPointer<vtkGlyph3DMapper> mapper)
  : m_mapper(std::move(mapper))
{
}

void SizeDataArrayProperty::storeValue(const WeakPtr<Variable>& value)
{
  const auto variable = value.lock();
  if (!variable)
    throw vantor::InvalidPropertyValueException("The size variable is not part of the project.");
  m_mapper->SetScaleArray(variable->name().c_str());
  m_variable = value;
}

template<class Mapper>
ColorVariableProperty<Mapper>::ColorVariableProperty(vtkSmartPointer<Mapper> mapper)
  : m_mapper(std::move(mapper))
{
}

template<class Mapper>
void ColorVariableProperty<Mapper>::storeValue(const WeakPtr<Variable>& value)
{
  if (value.id() != 0)
    if (const auto variable = value.lock())
      m_mapper->SelectColorArray(variable->name().c_str());
  vantor::Property<WeakPtr<Variable>>::storeValue(value);
}

template<class Mapper>
ColorByDataProperty<Mapper>::ColorByDataProperty(vtkSmartPointer<Mapper> mapper)
  : m_mapper(std::move(mapper))
{
}

template<class Mapper>
void ColorByDataProperty<Mapper>::storeValue(const bool& value)
{
  m_mapper->SetScalarVisibility(value);
}

template<class Mapper>
bool ColorByDataProperty<Mapper>::retrieveValue() const
{
  return m_mapper->GetScalarVisibility() == 1;
}

template<class Surface>
SolidColorProperty<Surface>::SolidColorProperty(vtkSmartPointer<Surface> surface)
  : m_surface(std::move(surface))
{
}

template<class Surface>
void SolidColorProperty<Surface>::storeValue(const QColor& value)
{
  m_surface->SetColor(value.redF(), value.greenF(), value.blueF());
}

template<class Surface>
QColor SolidColorProperty<Surface>::retrieveValue() const
{
  const double* rgb = m_surface->GetColor();
  return QColor(static_cast<int>(rgb[0] * 255),
    static_cast<int>(rgb[1] * 255),
    static_cast<int>(rgb[2] * 255),
    255);
}

template<class Surface>
TranslucencyProperty<Surface>::TranslucencyProperty(vtkSmartPointer<Surface> surface)
  : m_surface(std::move(surface))
{
}

template<class Surface>
void TranslucencyProperty<Surface>::storeValue(const uint64_t& value)
{
  m_surface->SetOpacity((100.0 - static_cast<double>(value)) / 100.0);
}

template<class Surface>
uint64_t TranslucencyProperty<Surface>::retrieveValue() const
{
  // Rounded, so that a value read back and stored again stays the same.
  return static_cast<uint64_t>(std::lround((1.0 - m_surface->GetOpacity()) * 100.0));
}

template class ColorVariableProperty<vtkGlyph3DMapper>;
template class ColorByDataProperty<vtkGlyph3DMapper>;
template class SolidColorProperty<vtkProperty>;
template class TranslucencyProperty<vtkProperty>;
