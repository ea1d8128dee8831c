#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <set>
#include <vtkSmartPointer.h>

class SelectionModelInterface;
class vtkRenderWindowInteractor;

/// Turns the cases a plot picked into a change of the shared selection, the way users of
/// plotting tools expect: a pick replaces the selection, with Shift it adds to it, with Ctrl it
/// toggles the picked cases. The keys are read from the interactor that delivered the pick.
class PlotSelectionModel
{
public:
  enum Combination
  {
    Replace,
    Add,
    Toggle
  };

  PlotSelectionModel(vtkSmartPointer<vtkRenderWindowInteractor> interactor,
    boost::shared_ptr<SelectionModelInterface> selectionModel);
  virtual ~PlotSelectionModel();

  /// Combines the picked cases with the shared selection by the keys held during the pick.
  void setSelection(const std::set<uint64_t>& picked);
  void combine(const std::set<uint64_t>& picked, Combination combination);

  /// Ctrl wins over Shift.
  static Combination combinationFor(bool shift, bool control);

  boost::shared_ptr<SelectionModelInterface> selectionModel() const { return m_selectionModel; }
  vtkRenderWindowInteractor* interactor() const { return m_interactor; }

private:
  vtkSmartPointer<vtkRenderWindowInteractor> m_interactor;
  boost::shared_ptr<SelectionModelInterface> m_selectionModel;
};
