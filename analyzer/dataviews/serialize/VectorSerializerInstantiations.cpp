#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"

template class VectorSerializer<float, boost::function<bool(const std::string&)>>;
template class VectorSerializer<uint64_t, boost::function<bool(const std::string&)>>;
template class VectorSerializer<std::string, boost::function<bool(const std::string&)>>;
