#pragma once

#include "property/PropertyAbstract.h"

#include <vtkObject.h>
#include <vtkSmartPointer.h>

/// A property whose value lives in a VTK object: storing writes it there, reading reads it back,
/// so that the property and what VTK draws can never disagree.
template<class T>
class VTKPropertyAbstract : public vantor::PropertyAbstract<T>
{
public:
  explicit VTKPropertyAbstract(vtkSmartPointer<vtkObject> object)
    : m_object(std::move(object))
  {
  }

  VTKPropertyAbstract(vtkSmartPointer<vtkObject> object,
    boost::shared_ptr<const vantor::ValidatorInterface<T>> validator)
    : vantor::PropertyAbstract<T>(std::move(validator))
    , m_object(std::move(object))
  {
  }

protected:
  vtkObject& object() const { return *m_object; }
  void storeValue(const T& value) override { storeValueInVTK(value); }
  virtual void storeValueInVTK(const T& value) = 0;

private:
  vtkSmartPointer<vtkObject> m_object;
};
