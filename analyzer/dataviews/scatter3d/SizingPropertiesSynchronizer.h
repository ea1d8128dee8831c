#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <memory>

class Variable;

/// Keeps the selection shells sized like the glyphs they surround: same scale mode and size
/// variable, 1.2 times the scaling factor. Changes flow one way only, from the glyphs.
class SizingPropertiesSynchronizer
{
public:
  SizingPropertiesSynchronizer(boost::shared_ptr<vantor::PropertyAbstract<bool>> sizeByData,
    boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> sizeVar,
    boost::shared_ptr<vantor::PropertyAbstract<double>> scalingFactor,
    boost::shared_ptr<vantor::PropertyAbstract<bool>> targetSizeByData,
    boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> targetSizeVar,
    boost::shared_ptr<vantor::PropertyAbstract<double>> targetScalingFactor);
  virtual ~SizingPropertiesSynchronizer();

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
