#pragma once

#include "host/project/WeakPtr.h"

#include <string>
#include <vector>

class Record;
class Variable;

/// The text under an image: "name: value" of each chosen variable for the image's case.
class LabelMaker
{
public:
  /// Joined by the separator; variables or a record that are gone are left out.
  std::string label(const std::vector<WeakPtr<Variable>>& variables,
    const WeakPtr<Record>& record,
    const std::string& separator) const;
};
