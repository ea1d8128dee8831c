#include "host/pipeline/MultiValueFilterAbstract.h"

#include "host/pipeline/FilterVisitorInterface.h"

void MultiValueFilterAbstract::accept(FilterVisitorInterface& visitor) const
{
  visitor.visit(*this);
}
