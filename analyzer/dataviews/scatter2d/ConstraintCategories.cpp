#include "analyzer/dataviews/scatter2d/ConstraintCategories.h"

namespace ConstraintCategories
{

const std::array<const char*, count> labels = { "Satisfies all Filters",
  "Violates at least one Independent Filter",
  "Violates a Dependent Filter",
  "Violates more than one Dependent Filter" };

const std::array<std::array<unsigned char, 3>, count> colors = {
  { { 65, 167, 89 }, { 200, 201, 202 }, { 110, 191, 237 }, { 205, 56, 49 } }
};

} // namespace ConstraintCategories
