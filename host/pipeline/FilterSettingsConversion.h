#pragma once

#include "host/project/FilterSettings.h"

#include <vector>

class DataPipelineManager;

/// The pipeline's filters as the project document keeps them.
std::vector<FilterSettings> filterSettings(const DataPipelineManager& pipeline);
/// Replaces the pipeline's filters (one undo step). Throws ProjectError, changing nothing,
/// when a filter names a variable the project does not have.
void applyFilterSettings(DataPipelineManager& pipeline,
  const std::vector<FilterSettings>& settingsList);
