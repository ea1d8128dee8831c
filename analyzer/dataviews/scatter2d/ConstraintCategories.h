#pragma once

#include <array>

/// The classes of cases by the filters they violate, as "Constraint Coloring" holds them.
namespace ConstraintCategories
{

constexpr int count = 4;

/// Legend texts, by category.
extern const std::array<const char*, count> labels;
/// RGB colours (0..255), by category.
extern const std::array<std::array<unsigned char, 3>, count> colors;

} // namespace ConstraintCategories
