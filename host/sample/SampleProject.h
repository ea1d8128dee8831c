#pragma once

#include "host/project/FilterSettings.h"
#include "host/project/ProjectContents.h"

#include <QString>
#include <vector>

/// The built-in sample: a design study of 300 cantilever beams. Length, width, height and the
/// number of ribs are independent, the material is a text variable, and tip deflection, bending
/// stress and mass are computed from them; a few results are NaN (failed runs) or NULL (never
/// computed). Every case has a side-view picture drawn from its values, tagged by review status
/// and picture quality. The same cases and pictures come out on every machine.
class SampleProject
{
public:
  static constexpr int caseCount = 300;

  /// Draws the pictures missing from the folder (made if needed). Throws ProjectError when the
  /// folder cannot be written.
  static ProjectContents contents(const QString& imageFolder);
  /// A range filter on the stress and a value filter on the material.
  static std::vector<FilterSettings> filters();
  /// A folder in the user's cache for the pictures.
  static QString defaultImageFolder();
};
