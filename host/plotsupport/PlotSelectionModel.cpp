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
  m_selectionModel->setSelection(combined(m_selectionModel->getSelections(), picked, combination));
}

PlotSelectionModel::Combination PlotSelectionModel::combinationFor(bool shift, bool control)
{
  if (control)
    return Toggle;
  return shift ? Add : Replace;
}

std::set<uint64_t> PlotSelectionModel::combined(const std::set<uint64_t>& current,
  const std::set<uint64_t>& picked,
  Combination combination)
{
  std::set<uint64_t> result;
  switch (combination)
  {
    case Replace:
      return picked;
    case Add:
      std::set_union(current.begin(),
        current.end(),
        picked.begin(),
        picked.end(),
        std::inserter(result, result.end()));
      break;
    case Toggle:
      std::set_symmetric_difference(current.begin(),
        current.end(),
        picked.begin(),
        picked.end(),
        std::inserter(result, result.end()));
      break;
  }
  return result;
}
