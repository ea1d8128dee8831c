#include "analyzer/dataviews/scatter3d/SizingPropertiesSynchronizer.h"

#include "host/core/SignalConnectionCollection.h"
#include "property/PropertyScalingDecorator.h"

namespace
{
constexpr double shellScale = 1.2;
}

struct SizingPropertiesSynchronizer::Impl
{
  boost::shared_ptr<vantor::PropertyScalingDecorator<double>> scaledFactor;
  SignalConnectionCollection connections;
};

SizingPropertiesSynchronizer::SizingPropertiesSynchronizer(
  boost::shared_ptr<vantor::PropertyAbstract<bool>> sizeByData,
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> sizeVar,
  boost::shared_ptr<vantor::PropertyAbstract<double>> scalingFactor,
  boost::shared_ptr<vantor::PropertyAbstract<bool>> targetSizeByData,
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> targetSizeVar,
  boost::shared_ptr<vantor::PropertyAbstract<double>> targetScalingFactor)
  : m_impl(std::make_unique<Impl>())
{
  m_impl->scaledFactor =
    boost::make_shared<vantor::PropertyScalingDecorator<double>>(scalingFactor, shellScale);
  targetSizeByData->setValue(sizeByData->value());
  targetSizeVar->setValue(sizeVar->value());
  targetScalingFactor->setValue(m_impl->scaledFactor->value());

  m_impl->connections.add(sizeByData->signalValueChanged.connect(
    [targetSizeByData](bool value) { targetSizeByData->setValue(value); }));
  m_impl->connections.add(sizeVar->signalValueChanged.connect(
    [targetSizeVar](const WeakPtr<Variable>& value) { targetSizeVar->setValue(value); }));
  m_impl->connections.add(m_impl->scaledFactor->signalValueChanged.connect(
    [targetScalingFactor](double value) { targetScalingFactor->setValue(value); }));
}

SizingPropertiesSynchronizer::~SizingPropertiesSynchronizer() = default;
