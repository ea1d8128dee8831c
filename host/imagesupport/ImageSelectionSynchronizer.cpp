#include "host/imagesupport/ImageSelectionSynchronizer.h"

#include "host/viewsupport/SelectionModelInterface.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

ImageSelectionSynchronizer::ImageSelectionSynchronizer(
  boost::shared_ptr<SelectionModelInterface> cases,
  QAbstractItemView& view,
  const ImageTableModel& model)
  : m_cases(std::move(cases))
  , m_view(&view)
  , m_converter(model)
{
  m_caseConnection = m_cases->signalSelectionChanged.connect([this] { showCaseSelection(); });
  m_cellConnection = QObject::connect(view.selectionModel(),
    &QItemSelectionModel::selectionChanged,
    [this](const QItemSelection&, const QItemSelection&) { takeCellSelection(); });
  showCaseSelection();
}

ImageSelectionSynchronizer::~ImageSelectionSynchronizer()
{
  QObject::disconnect(m_cellConnection);
}

void ImageSelectionSynchronizer::suspend()
{
  m_suspended = true;
}

void ImageSelectionSynchronizer::resume()
{
  if (!m_suspended)
    return;
  m_suspended = false;
  showCaseSelection();
}

void ImageSelectionSynchronizer::showCaseSelection()
{
  if (m_suspended || m_updating || !m_view || !m_view->selectionModel())
    return;
  m_updating = true;
  m_view->selectionModel()->select(
    m_converter.caseIdsToSelection(m_cases->getSelections()), QItemSelectionModel::ClearAndSelect);
  m_updating = false;
}

void ImageSelectionSynchronizer::takeCellSelection()
{
  if (m_suspended || m_updating || !m_view || !m_view->selectionModel())
    return;
  std::set<uint64_t> selection = m_cases->getSelections();
  for (uint64_t shown : m_converter.shownCaseIds())
    selection.erase(shown);
  const std::set<uint64_t> chosen = m_converter.rowsToCaseIds(*m_view->selectionModel());
  selection.insert(chosen.begin(), chosen.end());
  m_updating = true;
  m_cases->setSelection(selection);
  m_updating = false;
}
