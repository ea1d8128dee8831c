#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <cstdint>

class Variable;
class vtkAlgorithm;

/// A setting of a VTK algorithm that marks the algorithm modified when it changes, so that the
/// next pipeline update runs it again. The algorithm owns the property.
template<class T>
class AlgorithmProperty : public vantor::PropertyAbstract<T>
{
public:
  explicit AlgorithmProperty(vtkAlgorithm* owner, const T& value = T());

protected:
  void storeValue(const T& value) override;

private:
  T retrieveValue() const override { return m_value; }

  vtkAlgorithm* m_owner;
  T m_value;
};

extern template class AlgorithmProperty<bool>;
extern template class AlgorithmProperty<WeakPtr<Variable, uint64_t>>;
