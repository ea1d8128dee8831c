#pragma once

#include "host/project/WeakPtr.h"

#include <vector>

class AuxFile;

/// The image files behind the rows of an image list model.
class ImageListModelInterface
{
public:
  virtual ~ImageListModelInterface() = default;
  virtual WeakPtr<AuxFile> auxFileAt(int row) const = 0;
  /// In row order.
  virtual std::vector<WeakPtr<AuxFile>> auxFiles() const = 0;
};
