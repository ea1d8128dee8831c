#pragma once

#include "host/serialization/Serializer.h"

#include <boost/shared_ptr.hpp>
#include <vector>

class AxisDetailsInterface;

/// The ranges, bounds and grid spacing of a plot's axes: "AxisDetails" with one element per
/// axis ("XAxis", "YAxis" and, for three axes, "ZAxis"). Settings an axis does not have are
/// neither written nor read.
class AxisDetailsSerializer : public Serializer
{
public:
  /// Throws std::invalid_argument for other than two or three axes.
  explicit AxisDetailsSerializer(const std::vector<boost::shared_ptr<AxisDetailsInterface>>& axes);
};
