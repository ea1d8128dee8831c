#include "host/surrogate/NoSurrogateModels.h"

#include "host/surrogate/SurrogateModelError.h"

std::vector<double> NoSurrogateModels::predict(uint64_t, const std::vector<double>&) const
{
  throw SurrogateModelError("This application has no surrogate models.");
}
