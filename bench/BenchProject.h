#pragma once

#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int variableCount = 10;

/// Cases 1..n of ten real variables with values spread over 0..100.
inline void loadProject(int64_t cases)
{
  static int64_t loaded = -1;
  if (loaded == cases)
    return;
  ProjectContents contents;
  for (int v = 0; v < variableCount; ++v)
    contents.addVariable("V" + std::to_string(v),
      v < 7 ? Variable::Independent : Variable::Dependent,
      ValueType::Real);
  contents.reserve(static_cast<std::size_t>(cases));
  std::vector<Variant> values(variableCount);
  for (int64_t i = 0; i < cases; ++i)
  {
    for (int v = 0; v < variableCount; ++v)
      values[static_cast<std::size_t>(v)] =
        static_cast<double>((i * 7919 + v * 104729) % 10007) / 100.07;
    contents.addRecord(static_cast<uint64_t>(i + 1), values);
  }
  Project::project().assign(std::move(contents));
  loaded = cases;
}
