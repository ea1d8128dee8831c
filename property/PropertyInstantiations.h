#pragma once

#include "analyzer/dataviews/Coloring.h"
#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/project/WeakPtr.h"
#include "host/surrogate/SurrogateModelUserDistCollection.h"
#include "property/Property.h"
#include "property/PropertyTypeAdapter.h"
#include "property/UndoablePropertyProxy.h"

#include <QColor>
#include <boost/array.hpp>
#include <cstdint>
#include <vector>

class Variable;

// The value types the views use are compiled once, in the property library.
namespace vantor
{
extern template class Property<bool>;
extern template class Property<int>;
extern template class Property<float>;
extern template class Property<double>;
extern template class Property<WeakPtr<Variable, uint64_t>>;
extern template class Property<std::vector<uint64_t>>;
extern template class Property<boost::array<double, 2>>;
extern template class Property<boost::array<double, 3>>;
extern template class Property<QColor>;
extern template class Property<SurrogateModelUserDistCollection>;
extern template class Property<Coloring_e>;
extern template class Property<ScatterPlot3DInterface::Shape>;
extern template class Property<DataViewInterface::MouseMode>;

extern template class UndoablePropertyProxy<bool>;
extern template class UndoablePropertyProxy<int>;
extern template class UndoablePropertyProxy<float>;
extern template class UndoablePropertyProxy<double>;
extern template class UndoablePropertyProxy<uint64_t>;
extern template class UndoablePropertyProxy<WeakPtr<Variable, uint64_t>>;
extern template class UndoablePropertyProxy<std::vector<uint64_t>>;
extern template class UndoablePropertyProxy<QColor>;
extern template class UndoablePropertyProxy<SurrogateModelUserDistCollection>;
extern template class UndoablePropertyProxy<Coloring_e>;
extern template class UndoablePropertyProxy<ScatterPlot3DInterface::Shape>;

extern template class PropertyTypeAdapter<bool, Coloring_e>;
} // namespace vantor
