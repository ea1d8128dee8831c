#pragma once

#include "host/project/FilterSpec.h"

#include <vector>

class DataPipelineManager;

/// The pipeline's filters as the project document keeps them.
std::vector<FilterSpec> filterSpecs(const DataPipelineManager& pipeline);
/// Replaces the pipeline's filters (one undo step). Throws ProjectError, changing nothing,
/// when a filter names a variable the project does not have.
void applyFilterSpecs(DataPipelineManager& pipeline, const std::vector<FilterSpec>& specs);
