#include "analyzer/dataviews/line/AlgorithmProperty.h"

#include "host/project/Variable.h"

#include <vtkAlgorithm.h>

template<class T>
AlgorithmProperty<T>::AlgorithmProperty(vtkAlgorithm* owner, const T& value)
  : m_owner(owner)
  , m_value(value)
{
}

template<class T>
void AlgorithmProperty<T>::storeValue(const T& value)
{
  m_value = value;
  m_owner->Modified();
}

template class AlgorithmProperty<bool>;
template class AlgorithmProperty<WeakPtr<Variable, uint64_t>>;
