#pragma once

#include "host/serialization/VectorSerializer.h"

#include <cstdint>
#include <string>

// The list forms the views use are compiled once, in this library.
extern template class VectorSerializer<float, boost::function<bool(const std::string&)>>;
extern template class VectorSerializer<uint64_t, boost::function<bool(const std::string&)>>;
extern template class VectorSerializer<std::string, boost::function<bool(const std::string&)>>;
