#pragma once

#include <string>
#include <vector>

class ImageViewProperties;
class vtkTableAlgorithm;

/// The tag a new image view starts with, chosen without an undo step: the first of the
/// available tags in sorted order, when no tag is to be shown yet.
class DefaultTag
{
public:
  /// From the tags of the images of the cases in the table.
  static void chooseForMatrix(ImageViewProperties& properties, vtkTableAlgorithm& table);
  static void choose(ImageViewProperties& properties, const std::vector<std::string>& available);
};
