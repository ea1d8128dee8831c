#pragma once

#include "host/viewsupport/SelectionConverterInterface.h"

class ImageTableModel;

/// Selected image cells as the cases of their images, and cases as every cell showing one of
/// their images.
class ImageCellSelectionConverter : public SelectionConverterInterface
{
public:
  explicit ImageCellSelectionConverter(const ImageTableModel& model);

  std::set<uint64_t> rowsToCaseIds(const QItemSelectionModel& selection) const override;
  QItemSelection caseIdsToSelection(const std::set<uint64_t>& caseIds) const override;
  /// The cases of every image laid out.
  std::set<uint64_t> shownCaseIds() const;

private:
  const ImageTableModel& m_model;
};
