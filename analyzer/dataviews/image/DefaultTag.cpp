#include "analyzer/dataviews/image/DefaultTag.h"

#include "host/core/UndoStack.h"
#include "host/project/TagOperations.h"
#include "host/viewsupport/ImageViewProperties.h"
#include "host/vtkutil/RecordTableUtils.h"

#include <vtkTable.h>
#include <vtkTableAlgorithm.h>

void DefaultTag::chooseForMatrix(ImageViewProperties& properties, vtkTableAlgorithm& table)
{
  if (!properties.allTagsToShow().empty())
    return;
  table.Update();
  const std::set<std::string> tags =
    TagOperations::tagsOfCases(RecordTableUtils::caseIDs(table.GetOutput()));
  choose(properties, std::vector<std::string>(tags.begin(), tags.end()));
}

void DefaultTag::choose(ImageViewProperties& properties, const std::vector<std::string>& available)
{
  if (available.empty() || !properties.allTagsToShow().empty())
    return;
  UndoStack::SuspendUndoRecording suspended;
  properties.tagsToShow()->setValue({ available.front() });
}
