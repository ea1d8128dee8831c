#pragma once

#include "host/core/SuspendableInterface.h"
#include "host/imagesupport/ImageCellSelectionConverter.h"

#include <QMetaObject>
#include <QPointer>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>

class QAbstractItemView;
class SelectionModelInterface;

/// Keeps the selected image cells and a selection of cases in step. The cells follow every
/// change of the case selection. The case selection changes only when the user selects cells,
/// and then only for the cases this view shows: selected cases without a shown image stay
/// selected. Suspended, neither side follows the other; resuming shows the case selection.
class ImageSelectionSynchronizer : public SuspendableInterface
{
public:
  ImageSelectionSynchronizer(boost::shared_ptr<SelectionModelInterface> cases,
    QAbstractItemView& view,
    const ImageTableModel& model);
  ~ImageSelectionSynchronizer() override;
  ImageSelectionSynchronizer(const ImageSelectionSynchronizer&) = delete;
  ImageSelectionSynchronizer& operator=(const ImageSelectionSynchronizer&) = delete;

  void suspend() override;
  void resume() override;

private:
  void showCaseSelection();
  void takeCellSelection();

  boost::shared_ptr<SelectionModelInterface> m_cases;
  QPointer<QAbstractItemView> m_view;
  ImageCellSelectionConverter m_converter;
  boost::signals2::scoped_connection m_caseConnection;
  QMetaObject::Connection m_cellConnection;
  bool m_updating = false;
  bool m_suspended = false;
};
