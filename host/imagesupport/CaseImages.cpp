#include "host/imagesupport/CaseImages.h"

#include "host/project/Project.h"
#include "host/vtkutil/RecordTableUtils.h"

#include <set>
#include <vtkTable.h>

std::vector<WeakPtr<AuxFile>> CaseImages::ofTable(vtkTable* table)
{
  std::vector<WeakPtr<AuxFile>> images;
  if (!table)
    return images;
  const Project& project = Project::project();
  const vtkIdType rows = table->GetNumberOfRows();
  for (vtkIdType row = 0; row < rows; ++row)
  {
    const auto record = project.record(RecordTableUtils::caseIDAtRow(table, row)).lock();
    if (!record)
      continue;
    for (const auto& auxFile : record->auxFiles())
      if (auxFile.lock())
        images.push_back(auxFile);
  }
  return images;
}

std::vector<std::string> CaseImages::tagsOf(const std::vector<WeakPtr<AuxFile>>& images)
{
  std::set<std::string> tags;
  for (const auto& handle : images)
    if (const auto auxFile = handle.lock())
      tags.insert(auxFile->tags().begin(), auxFile->tags().end());
  return std::vector<std::string>(tags.begin(), tags.end());
}

std::string CaseImages::toolTipOf(const WeakPtr<AuxFile>& image)
{
  const auto auxFile = image.lock();
  if (!auxFile)
    return {};
  const Project& project = Project::project();
  std::string text;
  const auto caseIdVariable = project.caseIdVariable().lock();
  const auto record = auxFile->record().lock();
  if (caseIdVariable && record)
    text = caseIdVariable->name() + ": " + std::to_string(record->caseId()) + "\n";
  return text + "File Name: " + auxFile->filePath();
}
