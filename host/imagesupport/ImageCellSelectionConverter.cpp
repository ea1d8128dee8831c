#include "host/imagesupport/ImageCellSelectionConverter.h"

#include "host/imagesupport/ImageTableModel.h"
#include "host/project/AuxFile.h"

#include <QItemSelectionModel>

ImageCellSelectionConverter::ImageCellSelectionConverter(const ImageTableModel& model)
  : m_model(model)
{
}

std::set<uint64_t> ImageCellSelectionConverter::rowsToCaseIds(
  const QItemSelectionModel& selection) const
{
  std::set<uint64_t> caseIds;
  for (const QModelIndex& index : selection.selectedIndexes())
    if (const auto auxFile = m_model.imageAt(index).lock())
      caseIds.insert(auxFile->record().id());
  return caseIds;
}

QItemSelection ImageCellSelectionConverter::caseIdsToSelection(
  const std::set<uint64_t>& caseIds) const
{
  QItemSelection selection;
  if (caseIds.empty())
    return selection;
  const ImageMatrixLayout& layout = m_model.matrixLayout();
  for (int row = 0; row < layout.rowCount(); ++row)
  {
    // Neighbouring cells of selected cases make one range.
    int runStart = -1;
    for (int column = 0; column <= layout.columnCount(); ++column)
    {
      const auto auxFile =
        column < layout.columnCount() ? layout.imageAt(row, column).lock() : nullptr;
      const bool selected = auxFile && caseIds.count(auxFile->record().id()) > 0;
      if (selected && runStart < 0)
        runStart = column;
      if (!selected && runStart >= 0)
      {
        selection.select(m_model.index(row, runStart), m_model.index(row, column - 1));
        runStart = -1;
      }
    }
  }
  return selection;
}

std::set<uint64_t> ImageCellSelectionConverter::shownCaseIds() const
{
  std::set<uint64_t> caseIds;
  for (const auto& image : m_model.matrixLayout().placedImages())
    if (const auto auxFile = image.lock())
      caseIds.insert(auxFile->record().id());
  return caseIds;
}
