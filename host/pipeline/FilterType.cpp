#include "host/pipeline/FilterType.h"

#include "host/pipeline/FilterAbstract.h"
#include "host/pipeline/FilterVisitorInterface.h"

namespace
{

class TypeVisitor : public FilterVisitorInterface
{
public:
  void visit(const RangeFilter&) override { type = 0; }
  void visit(const MultiValueFilterAbstract&) override { type = 1; }
  int type = -1;
};

} // namespace

int getFilterType(const FilterAbstract& filter)
{
  TypeVisitor visitor;
  filter.accept(visitor);
  return visitor.type;
}
