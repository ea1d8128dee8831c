#pragma once

class MultiValueFilterAbstract;
class RangeFilter;

/// Tells the kinds of filter apart without casts.
class FilterVisitorInterface
{
public:
  virtual ~FilterVisitorInterface() = default;
  virtual void visit(const RangeFilter& filter) = 0;
  virtual void visit(const MultiValueFilterAbstract& filter) = 0;
};
