#pragma once

#include "host/project/WeakPtr.h"
#include "property/Property.h"

#include <QColor>
#include <cstdint>
#include <vtkSmartPointer.h>

class Variable;
class vtkGlyph3DMapper;

/// Whether glyphs are sized by the magnitude of the size array; read back from the mapper.
class SizeByDataProperty : public virtual vantor::PropertyAbstract<bool>
{
public:
  explicit SizeByDataProperty(vtkSmartPointer<vtkGlyph3DMapper> mapper);

private:
  void storeValue(const bool& value) override;
  bool retrieveValue() const override;

  vtkSmartPointer<vtkGlyph3DMapper> m_mapper;
};

/// The variable whose values size the glyphs: its name is the mapper's scale array.
class SizeDataArrayProperty : public vantor::PropertyAbstract<WeakPtr<Variable>>
{
public:
  explicit SizeDataArrayProperty(vtkSmartPointer<vtkGlyph3DMapper> mapper);

private:
  void storeValue(const WeakPtr<Variable>& value) override;
  WeakPtr<Variable> retrieveValue() const override { return m_variable; }

  vtkSmartPointer<vtkGlyph3DMapper> m_mapper;
  WeakPtr<Variable> m_variable;
};

/// The variable whose values colour a mapper's output: its name is the mapper's colour array.
/// The null handle is kept without touching the mapper.
template<class Mapper>
class ColorVariableProperty : public vantor::Property<WeakPtr<Variable>>
{
public:
  explicit ColorVariableProperty(vtkSmartPointer<Mapper> mapper);

private:
  void storeValue(const WeakPtr<Variable>& value) override;

  vtkSmartPointer<Mapper> m_mapper;
};

/// Whether a mapper colours by its colour array; read back from the mapper.
template<class Mapper>
class ColorByDataProperty : public vantor::PropertyAbstract<bool>
{
public:
  explicit ColorByDataProperty(vtkSmartPointer<Mapper> mapper);

private:
  void storeValue(const bool& value) override;
  bool retrieveValue() const override;

  vtkSmartPointer<Mapper> m_mapper;
};

/// The colour of an actor's surface; read back from it (channels truncated to 0..255).
template<class Surface>
class SolidColorProperty : public vantor::PropertyAbstract<QColor>
{
public:
  explicit SolidColorProperty(vtkSmartPointer<Surface> surface);

private:
  void storeValue(const QColor& value) override;
  QColor retrieveValue() const override;

  vtkSmartPointer<Surface> m_surface;
};

/// How see-through an actor's surface is, in percent (100 minus the opacity in percent).
template<class Surface>
class TranslucencyProperty : public vantor::PropertyAbstract<uint64_t>
{
public:
  explicit TranslucencyProperty(vtkSmartPointer<Surface> surface);

private:
  void storeValue(const uint64_t& value) override;
  uint64_t retrieveValue() const override;

  vtkSmartPointer<Surface> m_surface;
};
