#pragma once

class FilterAbstract;

/// 0 for range filters, 1 for multi-value filters.
int getFilterType(const FilterAbstract& filter);
