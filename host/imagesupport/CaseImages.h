#pragma once

#include "host/project/WeakPtr.h"

#include <string>
#include <vector>

class AuxFile;
class vtkTable;

/// The image files of the cases of a pipeline table (case ids in column 0), in row order and,
/// within a case, in the order they were attached. Cases without records or files add nothing.
class CaseImages
{
public:
  static std::vector<WeakPtr<AuxFile>> ofTable(vtkTable* table);
  /// Every tag of the files, each once, sorted.
  static std::vector<std::string> tagsOf(const std::vector<WeakPtr<AuxFile>>& images);
  /// "<case id variable>: <id>\nFile Name: <path>".
  static std::string toolTipOf(const WeakPtr<AuxFile>& image);
};
