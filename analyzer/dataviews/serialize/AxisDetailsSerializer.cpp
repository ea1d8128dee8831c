#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"

#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "host/viewsupport/AxisDetailsInterface.h"

#include <boost/make_shared.hpp>
#include <stdexcept>

namespace
{

const char* const axisNames[] = { "XAxis", "YAxis", "ZAxis" };

boost::shared_ptr<Serializer> rangeSerializer(const std::string& name,
  boost::shared_ptr<vantor::PropertyAbstract<double>> minimum,
  boost::shared_ptr<vantor::PropertyAbstract<double>> maximum)
{
  auto range = boost::make_shared<Serializer>(name);
  range->addSubElement(boost::make_shared<GenericSerializer<double>>("Minimum", minimum));
  range->addSubElement(boost::make_shared<GenericSerializer<double>>("Maximum", maximum));
  return range;
}

boost::shared_ptr<Serializer> axisSerializer(const std::string& name, AxisDetailsInterface& axis)
{
  auto serializer = boost::make_shared<Serializer>(name);
  serializer->addSubElement(rangeSerializer("CustomRange", axis.min(), axis.max()));
  if (axis.boundsMin())
    serializer->addSubElement(rangeSerializer("Bounds", axis.boundsMin(), axis.boundsMax()));
  if (auto useSpacing = axis.useCustomGridSpacing())
    serializer->addSubElement(
      boost::make_shared<GenericSerializer<bool>>("UseCustomGridSpacing", useSpacing));
  if (auto spacing = axis.gridSpacing())
    serializer->addSubElement(
      boost::make_shared<GenericSerializer<double>>("CustomGridSpacing", spacing));
  return serializer;
}

} // namespace

AxisDetailsSerializer::AxisDetailsSerializer(
  const std::vector<boost::shared_ptr<AxisDetailsInterface>>& axes)
  : Serializer("AxisDetails")
{
  if (axes.size() < 2 || axes.size() > 3)
    throw std::invalid_argument("AxisDetailsSerializer needs two or three axes");
  for (std::size_t i = 0; i < axes.size(); ++i)
    addSubElement(axisSerializer(axisNames[i], *axes[i]));
}
