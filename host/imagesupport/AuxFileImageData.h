#pragma once

#include "host/project/WeakPtr.h"

#include <string>

class AuxFile;

/// One shown image: its file and the label under it.
struct AuxFileImageData
{
  WeakPtr<AuxFile> auxFile;
  std::string label;
};
