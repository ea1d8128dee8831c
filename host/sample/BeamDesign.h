#pragma once

#include <cstdint>
#include <string>

/// One beam of the sample study, with its results computed from its design.
struct BeamDesign
{
  uint64_t caseId;
  double length; // m
  double width;  // mm
  double height; // mm
  int ribs;
  std::string material;
  double deflection; // mm at the tip under the design load
  double stress;     // MPa at the root
  double mass;       // kg

  /// The design of a case; the same for the same case on every machine.
  static BeamDesign forCase(uint64_t caseId);
};
