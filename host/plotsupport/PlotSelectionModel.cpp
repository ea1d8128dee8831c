#include "host/plotsupport/PlotSelectionModel.h"

#include "host/viewsupport/SelectionModelInterface.h"

#include <algorithm>
#include <iterator>
#include <vtkRenderWindowInteractor.h>

PlotSelectionModel::PlotSelectionModel(vtkSmartPointer<vtkRenderWindowInteractor> interactor,
  boost::shared_ptr<SelectionModelInterface> selectionModel)
  : m_interactor(std::move(interactor))
  , m_selectionModel(std::move(selectionModel))
{
}

PlotSelectionModel::~PlotSelectionModel() = default;

void PlotSelectionModel::setSelection(const std::set<uint64_t>& picked)
{
  const bool shift = m_interactor && m_interactor->GetShiftKey() != 0;
  const bool control = m_interactor && m_interactor->GetControlKey() != 0;
  combine(picked, combinationFor(shift, control));
}

void PlotSelectionModel::combine(const std::set<uint64_t>& picked, Combination combination)
{
  if (combination == Replace)
  {
    m_selectionModel->setSelection(picked);
    return;
  }
  // Merged in ascending order straight from the shared vector: no tree of the current selection.
  const std::vector<uint64_t>& current = m_selectionModel->sortedSelections();
  std::vector<uint64_t> result;
  result.reserve(current.size() + picked.size());
  if (combination == Add)
    std::set_union(
      current.begin(), current.end(), picked.begin(), picked.end(), std::back_inserter(result));
  else
    std::set_symmetric_difference(
      current.begin(), current.end(), picked.begin(), picked.end(), std::back_inserter(result));
  m_selectionModel->setSortedSelection(std::move(result));
}

PlotSelectionModel::Combination PlotSelectionModel::combinationFor(bool shift, bool control)
{
  if (control)
    return Toggle;
  return shift ? Add : Replace;
}
