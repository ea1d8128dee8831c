#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <vector>
#include <vtkSmartPointer.h>

class AuxFile;
class AxisDetailsInterface;
class ColorLegend;
class InterpolationVariablesInterface;
class SurrogateModelUserDistCollection;
class Variable;
class vtkRenderWindow;
class vtkTableAlgorithm;

/// Shorthands for the types the view interfaces hand out.
using VariablePtr = WeakPtr<Variable, uint64_t>;
using AuxFilePtr = WeakPtr<AuxFile, uint64_t>;
template<class T>
using PropertyPtr = boost::shared_ptr<vantor::PropertyAbstract<T>>;
using AxisDetailsList = std::vector<boost::shared_ptr<AxisDetailsInterface>>;
