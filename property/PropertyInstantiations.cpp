#include "property/PropertyInstantiations.h"

namespace vantor
{
template class Property<bool>;
template class Property<int>;
template class Property<float>;
template class Property<double>;
template class Property<WeakPtr<Variable, uint64_t>>;
template class Property<std::vector<uint64_t>>;
template class Property<boost::array<double, 2>>;
template class Property<boost::array<double, 3>>;
template class Property<QColor>;
template class Property<SurrogateModelUserDistCollection>;
template class Property<Coloring_e>;
template class Property<ScatterPlot3DInterface::Shape>;
template class Property<DataViewInterface::MouseMode>;

template class UndoablePropertyProxy<bool>;
template class UndoablePropertyProxy<int>;
template class UndoablePropertyProxy<float>;
template class UndoablePropertyProxy<double>;
template class UndoablePropertyProxy<uint64_t>;
template class UndoablePropertyProxy<WeakPtr<Variable, uint64_t>>;
template class UndoablePropertyProxy<std::vector<uint64_t>>;
template class UndoablePropertyProxy<QColor>;
template class UndoablePropertyProxy<SurrogateModelUserDistCollection>;
template class UndoablePropertyProxy<Coloring_e>;
template class UndoablePropertyProxy<ScatterPlot3DInterface::Shape>;

template class PropertyTypeAdapter<bool, Coloring_e>;
} // namespace vantor
